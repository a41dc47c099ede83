<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>QUINTEL SLOTS is a collection of 3 slot machine games: QUINTEL, LUCKY 7 and TREASURE CHEST slots.  Each of the games are fun and exciting and will keep you entertained for hours.  All 3 games are played from a standard 3 wheel slot machine but have different graphics and payoff combinations. </source>
        <translation>QUINTEL SLOTS es una colección de 3 máquinas tragaperras: QUINTEL, LUCKY 7 y TREASURE CHEST.  Cada uno de los juegos es divertido y emocionante, y te entretendrá durante horas.  Los 3 juegos se juegan en una tragaperras clásica de 3 rodillos, pero cada uno tiene sus propios gráficos y combinaciones ganadoras. </translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programa</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>About %1 for Windows 95</source>
        <translation>Acerca de %1 para Windows 95</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>AutoPlayDialog</name>
    <message>
        <source>Auto Play Settings</source>
        <translation>Ajustes del juego automático</translation>
    </message>
    <message>
        <source>Until stopped</source>
        <translation>Hasta que lo detengas</translation>
    </message>
    <message>
        <source>Spins per run:</source>
        <translation>Tiradas por serie:</translation>
    </message>
    <message>
        <source>Stop the run:</source>
        <translation>Detener la serie:</translation>
    </message>
    <message>
        <source>On any win</source>
        <translation>Con cualquier premio</translation>
    </message>
    <message>
        <source>On a single win of at least</source>
        <translation>Con un premio de al menos</translation>
    </message>
    <message>
        <source>Smallest win that stops the run</source>
        <translation>Premio mínimo que detiene la serie</translation>
    </message>
    <message>
        <source>When credits fall below</source>
        <translation>Cuando los créditos bajen de</translation>
    </message>
    <message>
        <source>Credits below which the run stops</source>
        <translation>Créditos por debajo de los cuales se detiene la serie</translation>
    </message>
    <message>
        <source>When the bonus pool is won</source>
        <translation>Cuando se gane el bote acumulado</translation>
    </message>
    <message>
        <source>When free spins start</source>
        <translation>Cuando empiecen las tiradas gratis</translation>
    </message>
    <message>
        <source>Escape, Space or a click on the reels ends a run after the spin in play.
Auto play never borrows.</source>
        <translation>Escape, Espacio o un clic en los rodillos detiene la serie tras la tirada en curso.
El juego automático nunca pide préstamos.</translation>
    </message>
</context>
<context>
    <name>CustomBannerDialog</name>
    <message>
        <source>Change the Banner Text</source>
        <translation>Cambiar el texto del letrero</translation>
    </message>
    <message>
        <source>Banner text</source>
        <translation>Texto del letrero</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Loss Limit Reached</source>
        <translation>Límite de pérdidas alcanzado</translation>
    </message>
    <message>
        <source>This session has lost $%1, which reaches your loss limit of $%2. Raise or clear the limit under Options &gt; Reminders to play on.</source>
        <translation>Esta sesión ha perdido $%1, con lo que alcanza tu límite de pérdidas de $%2. Sube o quita el límite en Opciones &gt; Recordatorios para seguir jugando.</translation>
    </message>
    <message>
        <source>Wager Not Allowed</source>
        <translation>Apuesta no permitida</translation>
    </message>
    <message>
        <source>You cannot wager more credits than you have!</source>
        <translation>¡No puedes apostar más créditos de los que tienes!</translation>
    </message>
    <message>
        <source>No Wager Placed</source>
        <translation>Sin apuesta</translation>
    </message>
    <message>
        <source>Place a bet before spinning!</source>
        <translation>¡Haz una apuesta antes de girar!</translation>
    </message>
    <message>
        <source>Invalid Wager</source>
        <translation>Apuesta no válida</translation>
    </message>
    <message>
        <source>Your last wager is more than your available credits!  You need to borrow more credits or place a new wager.</source>
        <translation>¡Tu última apuesta supera tus créditos disponibles!  Pide más créditos prestados o haz una nueva apuesta.</translation>
    </message>
</context>
<context>
    <name>FaceReadout</name>
    <message>
        <source>Last spin: %1</source>
        <translation>Última tirada: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Wager</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Bonus Pool</source>
        <translation>Bote acumulado</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Valor de la moneda %1</translation>
    </message>
    <message>
        <source>Wagers</source>
        <translation>Apuestas</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Payoff</source>
        <translation>Porcentaje de pago</translation>
    </message>
    <message>
        <source>Pay line</source>
        <translation>Línea de pago</translation>
    </message>
    <message>
        <source>Insert Coin</source>
        <translation>Insertar moneda</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>Rodillos girando</translation>
    </message>
    <message>
        <source>Stakes one %1 coin</source>
        <translation>Apuesta una moneda de %1</translation>
    </message>
    <message>
        <source>Spins with the coins inserted, or the last bet again</source>
        <translation>Gira con las monedas insertadas o repite la última apuesta</translation>
    </message>
    <message>
        <source>Spin %1: %2</source>
        <translation>Tirada %1: %2</translation>
    </message>
    <message>
        <source>free spins start</source>
        <translation>empiezan las tiradas gratis</translation>
    </message>
    <message>
        <source>no win, free spins go on</source>
        <translation>sin premio, siguen las tiradas gratis</translation>
    </message>
    <message>
        <source>no win</source>
        <translation>sin premio</translation>
    </message>
    <message>
        <source>%1, paid %2, bonus pool won, %3</source>
        <translation>%1, pagado %2, bote acumulado ganado, %3</translation>
    </message>
    <message>
        <source>%1, paid %2</source>
        <translation>%1, pagado %2</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Máquina tragaperras</translation>
    </message>
</context>
<context>
    <name>FaceScale</name>
    <message>
        <source>Too large for this screen: the window would be %1 × %2 pixels, the screen has room for %3 × %4.</source>
        <translation>Demasiado grande para esta pantalla: la ventana mediría %1 × %2 píxeles y la pantalla tiene sitio para %3 × %4.</translation>
    </message>
</context>
<context>
    <name>GameHistoryDialog</name>
    <message>
        <source>Game History</source>
        <translation>Historial de juego</translation>
    </message>
    <message>
        <source>No spins recorded yet.</source>
        <translation>Todavía no hay tiradas registradas.</translation>
    </message>
    <message>
        <source>Reels</source>
        <translation>Rodillos</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinación</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Pool Won</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Last spins</source>
        <translation>Últimas tiradas</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Gratis</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagada</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Change Game</source>
        <translation>Cambiar de máquina</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Load </source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Bet Amount</source>
        <translation>Valor de la moneda</translation>
    </message>
    <message>
        <source>Digit Colors</source>
        <translation>Color de los dígitos</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Letrero</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Spin Speed</source>
        <translation>Velocidad de giro</translation>
    </message>
    <message>
        <source>Very Fast</source>
        <translation>Muy rápida</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Banner Text</source>
        <translation>Texto del letrero</translation>
    </message>
    <message>
        <source>Reduce Flashing</source>
        <translation>Reducir los destellos</translation>
    </message>
    <message>
        <source>Quick Stop</source>
        <translation>Parada rápida</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Recordatorios…</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Spin Sound</source>
        <translation>Sonido de giro</translation>
    </message>
    <message>
        <source>Stop Sound</source>
        <translation>Sonido de parada</translation>
    </message>
    <message>
        <source>Win Sounds</source>
        <translation>Sonidos de premio</translation>
    </message>
    <message>
        <source>Lose Sounds</source>
        <translation>Sonidos de pérdida</translation>
    </message>
    <message>
        <source>Coin Sound</source>
        <translation>Sonido de monedas</translation>
    </message>
    <message>
        <source>Credit Sound</source>
        <translation>Sonido de créditos</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Volume…</source>
        <translation>Volumen…</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Tamaño de la ventana</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Banco</translation>
    </message>
    <message>
        <source>Borrow</source>
        <translation>Pedir préstamo</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Tiradas automáticas</translation>
    </message>
    <message>
        <source>Auto Play Settings…</source>
        <translation>Ajustes del juego automático…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Machine Odds</source>
        <translation>Probabilidades de la máquina</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historial de juego</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estadísticas…</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual (en inglés)</translation>
    </message>
    <message>
        <source>Auto Play (%1 left)</source>
        <translation>Automático (quedan %1)</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The saved games file could not be read and was kept aside as &quot;%1&quot;. Your games were restored from the last good copy.</source>
        <translation>No se ha podido leer el archivo de partidas guardadas y se ha apartado como «%1». Tus partidas se han recuperado de la última copia correcta.</translation>
    </message>
    <message>
        <source>The saved games file could not be read and was kept aside as &quot;%1&quot;. There was no earlier copy, so a new game has started.</source>
        <translation>No se ha podido leer el archivo de partidas guardadas y se ha apartado como «%1». No había ninguna copia anterior, así que ha empezado una partida nueva.</translation>
    </message>
    <message>
        <source>The game ended while the reels were turning. That spin has been completed: it paid $%1.</source>
        <translation>El juego se cerró mientras giraban los rodillos. Esa tirada se ha completado: ha pagado $%1.</translation>
    </message>
    <message>
        <source>The game ended while the reels were turning. That spin has been completed: it did not win.</source>
        <translation>El juego se cerró mientras giraban los rodillos. Esa tirada se ha completado: no ha ganado nada.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>No se ha podido guardar</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;. Check that the folder exists and can be written, then save again.</source>
        <translation>No se ha podido guardar la partida en «%1». Comprueba que la carpeta existe y se puede escribir en ella, y vuelve a guardar.</translation>
    </message>
    <message>
        <source>The saved games file had been damaged and was kept aside as &quot;%1&quot;; it has been written anew.</source>
        <translation>El archivo de partidas guardadas estaba dañado y se ha apartado como «%1»; se ha vuelto a escribir.</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Ajustes no guardados</translation>
    </message>
    <message>
        <source>Your settings could not be written to &quot;%1&quot;. They apply until the game closes.</source>
        <translation>No se han podido escribir tus ajustes en «%1». Se aplicarán hasta que se cierre el juego.</translation>
    </message>
    <message>
        <source>You can play on; the spins are kept and recorded as soon as the folder can be written again.</source>
        <translation>Puedes seguir jugando; las tiradas se guardan y se registrarán en cuanto se pueda volver a escribir en la carpeta.</translation>
    </message>
    <message>
        <source>You can play on; the game is saved as soon as the folder can be written again.</source>
        <translation>Puedes seguir jugando; la partida se guardará en cuanto se pueda volver a escribir en la carpeta.</translation>
    </message>
    <message>
        <source>If the game quits now, the spins since the last save are lost. Make room or fix the folder, then try again.</source>
        <translation>Si el juego se cierra ahora, se perderán las tiradas desde la última vez que se guardó. Libera espacio o arregla la carpeta y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Salir sin guardar</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>you do not have permission to write there</source>
        <translation>no tienes permiso para escribir ahí</translation>
    </message>
    <message>
        <source>the system reported &quot;%1&quot;</source>
        <translation>el sistema indicó «%1»</translation>
    </message>
    <message>
        <source>Spins could not be recorded in the folder &quot;%1&quot;: %2.</source>
        <translation>No se pudieron registrar las tiradas en la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>The game could not be saved in the folder &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar la partida en la carpeta «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quintel Slots 95 Manual</source>
        <translation>Quintel Slots 95 – Manual (en inglés)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The manual could not be found at %1.</source>
        <translation>No se ha encontrado el manual en %1.</translation>
    </message>
</context>
<context>
    <name>LoadSaveDialog</name>
    <message>
        <source>Load a Game</source>
        <translation>Cargar una partida</translation>
    </message>
    <message>
        <source>Save a Game</source>
        <translation>Guardar una partida</translation>
    </message>
    <message>
        <source>Name of Game:</source>
        <translation>Nombre de la partida:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <translation>Partida %1</translation>
    </message>
</context>
<context>
    <name>Machine</name>
    <message>
        <source>Q medallion (wild)</source>
        <translation>Medallón Q (comodín)</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Ciruela</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Sandía</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerezas</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limón</translation>
    </message>
    <message>
        <source>Three Q medallions</source>
        <translation>Tres medallones Q</translation>
    </message>
    <message>
        <source>Three bells</source>
        <translation>Tres campanas</translation>
    </message>
    <message>
        <source>Three plums</source>
        <translation>Tres ciruelas</translation>
    </message>
    <message>
        <source>Three oranges</source>
        <translation>Tres naranjas</translation>
    </message>
    <message>
        <source>Three watermelons</source>
        <translation>Tres sandías</translation>
    </message>
    <message>
        <source>Three cherries</source>
        <translation>Tres cerezas</translation>
    </message>
    <message>
        <source>Cherries on reels 1 and 2</source>
        <translation>Cerezas en los rodillos 1 y 2</translation>
    </message>
    <message>
        <source>Cherries on reel 1</source>
        <translation>Cerezas en el rodillo 1</translation>
    </message>
    <message>
        <source>Red seven (wild)</source>
        <translation>Siete rojo (comodín)</translation>
    </message>
    <message>
        <source>Blue seven</source>
        <translation>Siete azul</translation>
    </message>
    <message>
        <source>White seven</source>
        <translation>Siete blanco</translation>
    </message>
    <message>
        <source>Gold seven</source>
        <translation>Siete dorado</translation>
    </message>
    <message>
        <source>Double bar</source>
        <translation>Barra doble</translation>
    </message>
    <message>
        <source>Single bar</source>
        <translation>Barra simple</translation>
    </message>
    <message>
        <source>Three red sevens</source>
        <translation>Tres sietes rojos</translation>
    </message>
    <message>
        <source>Three blue sevens</source>
        <translation>Tres sietes azules</translation>
    </message>
    <message>
        <source>Three white sevens</source>
        <translation>Tres sietes blancos</translation>
    </message>
    <message>
        <source>Three gold sevens</source>
        <translation>Tres sietes dorados</translation>
    </message>
    <message>
        <source>Any three sevens</source>
        <translation>Tres sietes cualesquiera</translation>
    </message>
    <message>
        <source>Three double bars</source>
        <translation>Tres barras dobles</translation>
    </message>
    <message>
        <source>Three single bars</source>
        <translation>Tres barras simples</translation>
    </message>
    <message>
        <source>Any three bars</source>
        <translation>Tres barras cualesquiera</translation>
    </message>
    <message>
        <source>Jolly Roger (wild)</source>
        <translation>Jolly Roger (comodín)</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubí</translation>
    </message>
    <message>
        <source>Gold coins</source>
        <translation>Monedas de oro</translation>
    </message>
    <message>
        <source>Treasure map</source>
        <translation>Mapa del tesoro</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>Treasure chest</source>
        <translation>Cofre del tesoro</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancla</translation>
    </message>
    <message>
        <source>Three Jolly Rogers</source>
        <translation>Tres Jolly Roger</translation>
    </message>
    <message>
        <source>Three diamonds</source>
        <translation>Tres diamantes</translation>
    </message>
    <message>
        <source>Three rubies</source>
        <translation>Tres rubíes</translation>
    </message>
    <message>
        <source>Three gold coins</source>
        <translation>Tres monedas de oro</translation>
    </message>
    <message>
        <source>Three treasure maps</source>
        <translation>Tres mapas del tesoro</translation>
    </message>
    <message>
        <source>Three compasses</source>
        <translation>Tres brújulas</translation>
    </message>
    <message>
        <source>Three anchors</source>
        <translation>Tres anclas</translation>
    </message>
    <message>
        <source>Treasure chest anywhere: Spin &apos;til You Win!</source>
        <translation>Cofre del tesoro en cualquier posición: Spin &apos;til You Win!</translation>
    </message>
</context>
<context>
    <name>MachineOddsDialog</name>
    <message>
        <source>1 in %1</source>
        <translation>1 de cada %1</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Machine Odds</source>
        <translation>Probabilidades de la máquina</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinación</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Paga</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Combination %1</source>
        <translation>Combinación %1</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Tiradas gratis</translation>
    </message>
    <message>
        <source>Hit frequency: %1 spins (%2)</source>
        <translation>Frecuencia de premio: %1 tiradas (%2)</translation>
    </message>
    <message>
        <source>Spin &apos;til You Win!: %1 spins, %2 free spins on average, paying × %3</source>
        <translation>Spin &apos;til You Win!: %1 tiradas, %2 tiradas gratis de media, que pagan × %3</translation>
    </message>
    <message>
        <source>%1 × 3 coins</source>
        <translation>%1 × 3 monedas</translation>
    </message>
    <message>
        <source>Theoretical return at %1: %2</source>
        <translation>Retorno teórico con %1: %2</translation>
    </message>
    <message>
        <source>Your payoff on this machine: %1</source>
        <translation>Tu porcentaje de pago en esta máquina: %1</translation>
    </message>
    <message>
        <source>On average this machine pays back %1 of what you bet at %2</source>
        <translation>De media, esta máquina devuelve el %1 de lo que apuestas con %2</translation>
    </message>
</context>
<context>
    <name>ReminderPrompt</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Seguir jugando</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>RemindersDialog</name>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Cada %1 minutos</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Time and money reminder:</source>
        <translation>Recordatorio de tiempo y dinero:</translation>
    </message>
    <message>
        <source>Stop play when this session has lost</source>
        <translation>Dejar de jugar cuando esta sesión haya perdido</translation>
    </message>
    <message>
        <source>Session loss limit</source>
        <translation>Límite de pérdidas de la sesión</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>%1 hour</source>
        <translation>%1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>This session has run for %1. You have wagered $%2 and won $%3: a net loss of $%4.</source>
        <translation>Esta sesión dura ya %1. Has apostado $%2 y ganado $%3: una pérdida neta de $%4.</translation>
    </message>
    <message>
        <source>This session has run for %1. You have wagered $%2 and won $%3: a net gain of $%4.</source>
        <translation>Esta sesión dura ya %1. Has apostado $%2 y ganado $%3: una ganancia neta de $%4.</translation>
    </message>
    <message>
        <source>This session has run for %1. You have wagered $%2 and won $%3: you are even.</source>
        <translation>Esta sesión dura ya %1. Has apostado $%2 y ganado $%3: estás en tablas.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>MIDI Error</source>
        <translation>Error MIDI</translation>
    </message>
    <message>
        <source>There has been an error playing a MIDI file (%1).  Either the MIDI file could not be found or your system is not configured to play MIDI files.  Music has been switched off.</source>
        <translation>Se ha producido un error al reproducir un archivo MIDI (%1).  O no se ha encontrado el archivo MIDI, o tu sistema no está configurado para reproducir archivos MIDI.  Se ha desactivado la música.</translation>
    </message>
</context>
<context>
    <name>SpinLog</name>
    <message>
        <source>The spin log was damaged and has been kept aside as &quot;%1&quot;. A new spin log has been started.</source>
        <translation>El registro de tiradas estaba dañado y se ha apartado como «%1». Se ha empezado un registro nuevo.</translation>
    </message>
    <message>
        <source>Spins are not being recorded (%1). You can play on as usual.</source>
        <translation>Las tiradas no se están registrando (%1). Puedes seguir jugando con normalidad.</translation>
    </message>
</context>
<context>
    <name>StatisticsLoader</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>The statistics cannot be shown: a part of the game is missing or damaged.

%1</source>
        <translation>No se pueden mostrar las estadísticas: falta una parte del juego o está dañada.

%1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Spins</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Wagered</source>
        <translation>Apostado</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganado</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <translation>Mayor premio</translation>
    </message>
    <message>
        <source>Longest run without a win</source>
        <translation>Racha más larga sin premio</translation>
    </message>
    <message>
        <source>Pools won</source>
        <translation>Botes ganados</translation>
    </message>
    <message>
        <source>Free-spin sequences</source>
        <translation>Series de tiradas gratis</translation>
    </message>
    <message>
        <source>1 spin</source>
        <translation>1 tirada</translation>
    </message>
    <message numerus="yes">
        <source>%n spins</source>
        <translation>
            <numerusform>%n tirada</numerusform>
            <numerusform>%n tiradas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 paid spin</source>
        <translation>1 tirada pagada</translation>
    </message>
    <message numerus="yes">
        <source>%n paid spins</source>
        <translation>
            <numerusform>%n tirada pagada</numerusform>
            <numerusform>%n tiradas pagadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Esta partida</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Credits by spin</source>
        <translation>Créditos por tirada</translation>
    </message>
    <message>
        <source>Return to player against the machine&apos;s odds</source>
        <translation>Tu retorno frente a las probabilidades</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 gratis)</translation>
    </message>
    <message>
        <source>Credits after the spin</source>
        <translation>Créditos tras la tirada</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Credits ($)</source>
        <translation>Créditos ($)</translation>
    </message>
    <message>
        <source>Your return %</source>
        <translation>Tu retorno %</translation>
    </message>
    <message>
        <source>Machine&apos;s return %</source>
        <translation>Máquina %</translation>
    </message>
    <message>
        <source>Ordinary luck (±2 sd)</source>
        <translation>Suerte normal (±2 σ)</translation>
    </message>
    <message>
        <source>Paid spin</source>
        <translation>Tirada pagada</translation>
    </message>
    <message>
        <source>Return %</source>
        <translation>Retorno en %</translation>
    </message>
    <message>
        <source>Hits per combination on %1 (%2)</source>
        <translation>Premios por combinación en %1 (%2)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperados</translation>
    </message>
    <message>
        <source>Exporting spins…</source>
        <translation>Exportando tiradas…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export Spins</source>
        <translation>Exportar tiradas</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>No se ha podido exportar</translation>
    </message>
    <message>
        <source>The spins could not be written to &quot;%1&quot;.</source>
        <translation>No se han podido escribir las tiradas en «%1».</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Spins are not being recorded (%1).</source>
        <translation>Las tiradas no se están registrando (%1).</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Effects volume</source>
        <translation>Volumen de los efectos</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Volumen de la música</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Efectos:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Música:</translation>
    </message>
    <message>
        <source>M switches all sound on and off.</source>
        <translation>M activa y desactiva todo el sonido.</translation>
    </message>
</context>
</TS>
