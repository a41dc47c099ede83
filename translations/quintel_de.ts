<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>QUINTEL SLOTS is a collection of 3 slot machine games: QUINTEL, LUCKY 7 and TREASURE CHEST slots.  Each of the games are fun and exciting and will keep you entertained for hours.  All 3 games are played from a standard 3 wheel slot machine but have different graphics and payoff combinations. </source>
        <translation>QUINTEL SLOTS ist eine Sammlung von 3 Spielautomaten: QUINTEL, LUCKY 7 und TREASURE CHEST.  Jedes der Spiele ist spannend und unterhaltsam und wird Sie stundenlang fesseln.  Alle 3 Spiele werden an einem klassischen Automaten mit 3 Walzen gespielt, haben aber eigene Bilder und Gewinnkombinationen. </translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1 for Windows 95</source>
        <translation>Über %1 für Windows 95</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>AutoPlayDialog</name>
    <message>
        <source>Auto Play Settings</source>
        <translation>Automatik-Einstellungen</translation>
    </message>
    <message>
        <source>Until stopped</source>
        <translation>Bis zum Abbruch</translation>
    </message>
    <message>
        <source>Spins per run:</source>
        <translation>Spins pro Durchgang:</translation>
    </message>
    <message>
        <source>Stop the run:</source>
        <translation>Durchgang beenden:</translation>
    </message>
    <message>
        <source>On any win</source>
        <translation>Bei jedem Gewinn</translation>
    </message>
    <message>
        <source>On a single win of at least</source>
        <translation>Bei einem Einzelgewinn von mindestens</translation>
    </message>
    <message>
        <source>Smallest win that stops the run</source>
        <translation>Kleinster Gewinn, der den Durchgang beendet</translation>
    </message>
    <message>
        <source>When credits fall below</source>
        <translation>Bei einem Guthaben unter</translation>
    </message>
    <message>
        <source>Credits below which the run stops</source>
        <translation>Guthaben, unter dem der Durchgang endet</translation>
    </message>
    <message>
        <source>When the bonus pool is won</source>
        <translation>Wenn der Bonus-Jackpot gewonnen wird</translation>
    </message>
    <message>
        <source>When free spins start</source>
        <translation>Wenn Freispiele beginnen</translation>
    </message>
    <message>
        <source>Escape, Space or a click on the reels ends a run after the spin in play.
Auto play never borrows.</source>
        <translation>Escape, Leertaste oder ein Klick auf die Walzen beendet den Durchgang nach dem laufenden Spin.
Die Automatik leiht nie Geld.</translation>
    </message>
</context>
<context>
    <name>CustomBannerDialog</name>
    <message>
        <source>Change the Banner Text</source>
        <translation>Lauftext ändern</translation>
    </message>
    <message>
        <source>Banner text</source>
        <translation>Lauftext</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Loss Limit Reached</source>
        <translation>Verlustgrenze erreicht</translation>
    </message>
    <message>
        <source>This session has lost $%1, which reaches your loss limit of $%2. Raise or clear the limit under Options &gt; Reminders to play on.</source>
        <translation>Diese Sitzung hat $%1 verloren und damit Ihre Verlustgrenze von $%2 erreicht. Erhöhen oder löschen Sie die Grenze unter Optionen &gt; Erinnerungen, um weiterzuspielen.</translation>
    </message>
    <message>
        <source>Wager Not Allowed</source>
        <translation>Einsatz nicht erlaubt</translation>
    </message>
    <message>
        <source>You cannot wager more credits than you have!</source>
        <translation>Sie können nicht mehr setzen, als Ihr Guthaben hergibt!</translation>
    </message>
    <message>
        <source>No Wager Placed</source>
        <translation>Kein Einsatz</translation>
    </message>
    <message>
        <source>Place a bet before spinning!</source>
        <translation>Setzen Sie, bevor Sie drehen!</translation>
    </message>
    <message>
        <source>Invalid Wager</source>
        <translation>Ungültiger Einsatz</translation>
    </message>
    <message>
        <source>Your last wager is more than your available credits!  You need to borrow more credits or place a new wager.</source>
        <translation>Ihr letzter Einsatz ist höher als Ihr Guthaben!  Leihen Sie sich mehr Guthaben oder setzen Sie neu.</translation>
    </message>
</context>
<context>
    <name>FaceReadout</name>
    <message>
        <source>Last spin: %1</source>
        <translation>Letzter Spin: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Wager</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Bonus Pool</source>
        <translation>Bonus-Jackpot</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Spins</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Münzwert %1</translation>
    </message>
    <message>
        <source>Wagers</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Payoff</source>
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>Pay line</source>
        <translation>Gewinnlinie</translation>
    </message>
    <message>
        <source>Insert Coin</source>
        <translation>Münze einwerfen</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>Walzen drehen sich</translation>
    </message>
    <message>
        <source>Stakes one %1 coin</source>
        <translation>Setzt eine Münze zu %1</translation>
    </message>
    <message>
        <source>Spins with the coins inserted, or the last bet again</source>
        <translation>Dreht mit den eingeworfenen Münzen oder wiederholt den letzten Einsatz</translation>
    </message>
    <message>
        <source>Spin %1: %2</source>
        <translation>Spin %1: %2</translation>
    </message>
    <message>
        <source>free spins start</source>
        <translation>Freispiele beginnen</translation>
    </message>
    <message>
        <source>no win, free spins go on</source>
        <translation>kein Gewinn, Freispiele gehen weiter</translation>
    </message>
    <message>
        <source>no win</source>
        <translation>kein Gewinn</translation>
    </message>
    <message>
        <source>%1, paid %2, bonus pool won, %3</source>
        <translation>%1, ausgezahlt %2, Bonus-Jackpot gewonnen, %3</translation>
    </message>
    <message>
        <source>%1, paid %2</source>
        <translation>%1, ausgezahlt %2</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Spielautomat</translation>
    </message>
</context>
<context>
    <name>FaceScale</name>
    <message>
        <source>Too large for this screen: the window would be %1 × %2 pixels, the screen has room for %3 × %4.</source>
        <translation>Zu groß für diesen Bildschirm: Das Fenster wäre %1 × %2 Pixel groß, der Bildschirm bietet Platz für %3 × %4.</translation>
    </message>
</context>
<context>
    <name>GameHistoryDialog</name>
    <message>
        <source>Game History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>No spins recorded yet.</source>
        <translation>Noch keine Spins aufgezeichnet.</translation>
    </message>
    <message>
        <source>Reels</source>
        <translation>Walzen</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Kombination</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Pool Won</source>
        <translation>Jackpot</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Last spins</source>
        <translation>Letzte Spins</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Change Game</source>
        <translation>Automat wechseln</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Load </source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Bet Amount</source>
        <translation>Münzwert</translation>
    </message>
    <message>
        <source>Digit Colors</source>
        <translation>Ziffernfarbe</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Lauftext</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Spin Speed</source>
        <translation>Drehgeschwindigkeit</translation>
    </message>
    <message>
        <source>Very Fast</source>
        <translation>Sehr schnell</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Banner Text</source>
        <translation>Lauftext bearbeiten</translation>
    </message>
    <message>
        <source>Reduce Flashing</source>
        <translation>Weniger Blinken</translation>
    </message>
    <message>
        <source>Quick Stop</source>
        <translation>Schnellstopp</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Erinnerungen…</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Spin Sound</source>
        <translation>Drehgeräusch</translation>
    </message>
    <message>
        <source>Stop Sound</source>
        <translation>Stoppgeräusch</translation>
    </message>
    <message>
        <source>Win Sounds</source>
        <translation>Gewinnklänge</translation>
    </message>
    <message>
        <source>Lose Sounds</source>
        <translation>Verlustklänge</translation>
    </message>
    <message>
        <source>Coin Sound</source>
        <translation>Münzgeräusch</translation>
    </message>
    <message>
        <source>Credit Sound</source>
        <translation>Guthabengeräusch</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Volume…</source>
        <translation>Lautstärke…</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Fenstergröße</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Bank</translation>
    </message>
    <message>
        <source>Borrow</source>
        <translation>Leihen</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Automatik</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Automatisch drehen</translation>
    </message>
    <message>
        <source>Auto Play Settings…</source>
        <translation>Automatik-Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Machine Odds</source>
        <translation>Gewinnchancen</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistik…</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch (Englisch)</translation>
    </message>
    <message>
        <source>Auto Play (%1 left)</source>
        <translation>Automatik (noch %1)</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The saved games file could not be read and was kept aside as &quot;%1&quot;. Your games were restored from the last good copy.</source>
        <translation>Die Datei mit den gespeicherten Spielen konnte nicht gelesen werden und wurde als „%1“ beiseitegelegt. Ihre Spiele wurden aus der letzten fehlerfreien Kopie wiederhergestellt.</translation>
    </message>
    <message>
        <source>The saved games file could not be read and was kept aside as &quot;%1&quot;. There was no earlier copy, so a new game has started.</source>
        <translation>Die Datei mit den gespeicherten Spielen konnte nicht gelesen werden und wurde als „%1“ beiseitegelegt. Es gab keine ältere Kopie, deshalb hat ein neues Spiel begonnen.</translation>
    </message>
    <message>
        <source>The game ended while the reels were turning. That spin has been completed: it paid $%1.</source>
        <translation>Das Spiel wurde beendet, während sich die Walzen drehten. Dieser Spin wurde zu Ende gespielt: Er hat $%1 ausgezahlt.</translation>
    </message>
    <message>
        <source>The game ended while the reels were turning. That spin has been completed: it did not win.</source>
        <translation>Das Spiel wurde beendet, während sich die Walzen drehten. Dieser Spin wurde zu Ende gespielt: Er hat nichts gewonnen.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;. Check that the folder exists and can be written, then save again.</source>
        <translation>Das Spiel konnte nicht in „%1“ gespeichert werden. Prüfen Sie, ob der Ordner existiert und beschreibbar ist, und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>The saved games file had been damaged and was kept aside as &quot;%1&quot;; it has been written anew.</source>
        <translation>Die Datei mit den gespeicherten Spielen war beschädigt und wurde als „%1“ beiseitegelegt; sie wurde neu geschrieben.</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Your settings could not be written to &quot;%1&quot;. They apply until the game closes.</source>
        <translation>Ihre Einstellungen konnten nicht in „%1“ geschrieben werden. Sie gelten, bis das Spiel beendet wird.</translation>
    </message>
    <message>
        <source>You can play on; the spins are kept and recorded as soon as the folder can be written again.</source>
        <translation>Sie können weiterspielen; die Drehungen werden aufbewahrt und eingetragen, sobald der Ordner wieder beschreibbar ist.</translation>
    </message>
    <message>
        <source>You can play on; the game is saved as soon as the folder can be written again.</source>
        <translation>Sie können weiterspielen; das Spiel wird gespeichert, sobald der Ordner wieder beschreibbar ist.</translation>
    </message>
    <message>
        <source>If the game quits now, the spins since the last save are lost. Make room or fix the folder, then try again.</source>
        <translation>Wenn das Spiel jetzt endet, gehen die Drehungen seit dem letzten Speichern verloren. Schaffen Sie Platz oder beheben Sie das Problem mit dem Ordner, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>you do not have permission to write there</source>
        <translation>Sie haben dort keine Schreibrechte</translation>
    </message>
    <message>
        <source>the system reported &quot;%1&quot;</source>
        <translation>das System meldet „%1“</translation>
    </message>
    <message>
        <source>Spins could not be recorded in the folder &quot;%1&quot;: %2.</source>
        <translation>Drehungen konnten nicht im Ordner „%1“ eingetragen werden: %2.</translation>
    </message>
    <message>
        <source>The game could not be saved in the folder &quot;%1&quot;: %2.</source>
        <translation>Das Spiel konnte nicht im Ordner „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quintel Slots 95 Manual</source>
        <translation>Quintel Slots 95 – Handbuch (Englisch)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>S&amp;tartseite</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The manual could not be found at %1.</source>
        <translation>Das Handbuch wurde unter %1 nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>LoadSaveDialog</name>
    <message>
        <source>Load a Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save a Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Name of Game:</source>
        <translation>Name des Spiels:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <translation>Spiel %1</translation>
    </message>
</context>
<context>
    <name>Machine</name>
    <message>
        <source>Q medallion (wild)</source>
        <translation>Q-Medaillon (Joker)</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>Three Q medallions</source>
        <translation>Drei Q-Medaillons</translation>
    </message>
    <message>
        <source>Three bells</source>
        <translation>Drei Glocken</translation>
    </message>
    <message>
        <source>Three plums</source>
        <translation>Drei Pflaumen</translation>
    </message>
    <message>
        <source>Three oranges</source>
        <translation>Drei Orangen</translation>
    </message>
    <message>
        <source>Three watermelons</source>
        <translation>Drei Wassermelonen</translation>
    </message>
    <message>
        <source>Three cherries</source>
        <translation>Drei Kirschen</translation>
    </message>
    <message>
        <source>Cherries on reels 1 and 2</source>
        <translation>Kirschen auf Walze 1 und 2</translation>
    </message>
    <message>
        <source>Cherries on reel 1</source>
        <translation>Kirschen auf Walze 1</translation>
    </message>
    <message>
        <source>Red seven (wild)</source>
        <translation>Rote Sieben (Joker)</translation>
    </message>
    <message>
        <source>Blue seven</source>
        <translation>Blaue Sieben</translation>
    </message>
    <message>
        <source>White seven</source>
        <translation>Weiße Sieben</translation>
    </message>
    <message>
        <source>Gold seven</source>
        <translation>Goldene Sieben</translation>
    </message>
    <message>
        <source>Double bar</source>
        <translation>Doppel-Bar</translation>
    </message>
    <message>
        <source>Single bar</source>
        <translation>Einfach-Bar</translation>
    </message>
    <message>
        <source>Three red sevens</source>
        <translation>Drei rote Siebenen</translation>
    </message>
    <message>
        <source>Three blue sevens</source>
        <translation>Drei blaue Siebenen</translation>
    </message>
    <message>
        <source>Three white sevens</source>
        <translation>Drei weiße Siebenen</translation>
    </message>
    <message>
        <source>Three gold sevens</source>
        <translation>Drei goldene Siebenen</translation>
    </message>
    <message>
        <source>Any three sevens</source>
        <translation>Drei beliebige Siebenen</translation>
    </message>
    <message>
        <source>Three double bars</source>
        <translation>Drei Doppel-Bars</translation>
    </message>
    <message>
        <source>Three single bars</source>
        <translation>Drei Einfach-Bars</translation>
    </message>
    <message>
        <source>Any three bars</source>
        <translation>Drei beliebige Bars</translation>
    </message>
    <message>
        <source>Jolly Roger (wild)</source>
        <translation>Jolly Roger (Joker)</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubin</translation>
    </message>
    <message>
        <source>Gold coins</source>
        <translation>Goldmünzen</translation>
    </message>
    <message>
        <source>Treasure map</source>
        <translation>Schatzkarte</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Treasure chest</source>
        <translation>Schatztruhe</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Three Jolly Rogers</source>
        <translation>Drei Jolly Roger</translation>
    </message>
    <message>
        <source>Three diamonds</source>
        <translation>Drei Diamanten</translation>
    </message>
    <message>
        <source>Three rubies</source>
        <translation>Drei Rubine</translation>
    </message>
    <message>
        <source>Three gold coins</source>
        <translation>Drei Goldmünzen</translation>
    </message>
    <message>
        <source>Three treasure maps</source>
        <translation>Drei Schatzkarten</translation>
    </message>
    <message>
        <source>Three compasses</source>
        <translation>Drei Kompasse</translation>
    </message>
    <message>
        <source>Three anchors</source>
        <translation>Drei Anker</translation>
    </message>
    <message>
        <source>Treasure chest anywhere: Spin &apos;til You Win!</source>
        <translation>Schatztruhe irgendwo: Spin &apos;til You Win!</translation>
    </message>
</context>
<context>
    <name>MachineOddsDialog</name>
    <message>
        <source>1 in %1</source>
        <translation>1 von %1</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Machine Odds</source>
        <translation>Gewinnchancen</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Kombination</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Zahlt</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Combination %1</source>
        <translation>Kombination %1</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Freispiele</translation>
    </message>
    <message>
        <source>Hit frequency: %1 spins (%2)</source>
        <translation>Trefferquote: %1 Spins (%2)</translation>
    </message>
    <message>
        <source>Spin &apos;til You Win!: %1 spins, %2 free spins on average, paying × %3</source>
        <translation>Spin &apos;til You Win!: %1 Spins, im Schnitt %2 Freispiele mit Auszahlung × %3</translation>
    </message>
    <message>
        <source>%1 × 3 coins</source>
        <translation>%1 × 3 Münzen</translation>
    </message>
    <message>
        <source>Theoretical return at %1: %2</source>
        <translation>Theoretische Auszahlung bei %1: %2</translation>
    </message>
    <message>
        <source>Your payoff on this machine: %1</source>
        <translation>Ihre Auszahlungsquote an diesem Automaten: %1</translation>
    </message>
    <message>
        <source>On average this machine pays back %1 of what you bet at %2</source>
        <translation>Im Schnitt zahlt dieser Automat bei %2 %1 Ihrer Einsätze zurück</translation>
    </message>
</context>
<context>
    <name>ReminderPrompt</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>RemindersDialog</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Alle %1 Minuten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Time and money reminder:</source>
        <translation>An Zeit und Geld erinnern:</translation>
    </message>
    <message>
        <source>Stop play when this session has lost</source>
        <translation>Spiel beenden bei einem Sitzungsverlust von</translation>
    </message>
    <message>
        <source>Session loss limit</source>
        <translation>Verlustgrenze der Sitzung</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>%1 hour</source>
        <translation>%1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>This session has run for %1. You have wagered $%2 and won $%3: a net loss of $%4.</source>
        <translation>Diese Sitzung läuft seit %1. Sie haben $%2 gesetzt und $%3 gewonnen: ein Verlust von $%4.</translation>
    </message>
    <message>
        <source>This session has run for %1. You have wagered $%2 and won $%3: a net gain of $%4.</source>
        <translation>Diese Sitzung läuft seit %1. Sie haben $%2 gesetzt und $%3 gewonnen: ein Gewinn von $%4.</translation>
    </message>
    <message>
        <source>This session has run for %1. You have wagered $%2 and won $%3: you are even.</source>
        <translation>Diese Sitzung läuft seit %1. Sie haben $%2 gesetzt und $%3 gewonnen: Sie sind ausgeglichen.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>MIDI Error</source>
        <translation>MIDI-Fehler</translation>
    </message>
    <message>
        <source>There has been an error playing a MIDI file (%1).  Either the MIDI file could not be found or your system is not configured to play MIDI files.  Music has been switched off.</source>
        <translation>Beim Abspielen einer MIDI-Datei (%1) ist ein Fehler aufgetreten.  Entweder wurde die MIDI-Datei nicht gefunden oder Ihr System ist nicht zum Abspielen von MIDI-Dateien eingerichtet.  Die Musik wurde ausgeschaltet.</translation>
    </message>
</context>
<context>
    <name>SpinLog</name>
    <message>
        <source>The spin log was damaged and has been kept aside as &quot;%1&quot;. A new spin log has been started.</source>
        <translation>Das Spielprotokoll war beschädigt und wurde als „%1“ beiseitegelegt. Ein neues Spielprotokoll wurde begonnen.</translation>
    </message>
    <message>
        <source>Spins are not being recorded (%1). You can play on as usual.</source>
        <translation>Spins werden nicht aufgezeichnet (%1). Sie können wie gewohnt weiterspielen.</translation>
    </message>
</context>
<context>
    <name>StatisticsLoader</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>The statistics cannot be shown: a part of the game is missing or damaged.

%1</source>
        <translation>Die Statistik kann nicht angezeigt werden: Ein Teil des Spiels fehlt oder ist beschädigt.

%1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Spins</source>
        <translation>Spins</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Wagered</source>
        <translation>Gesetzt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <translation>Höchster Gewinn</translation>
    </message>
    <message>
        <source>Longest run without a win</source>
        <translation>Längste Serie ohne Gewinn</translation>
    </message>
    <message>
        <source>Pools won</source>
        <translation>Gewonnene Jackpots</translation>
    </message>
    <message>
        <source>Free-spin sequences</source>
        <translation>Freispielserien</translation>
    </message>
    <message>
        <source>1 spin</source>
        <translation>1 Spin</translation>
    </message>
    <message numerus="yes">
        <source>%n spins</source>
        <translation>
            <numerusform>%n Spin</numerusform>
            <numerusform>%n Spins</numerusform>
        </translation>
    </message>
    <message>
        <source>1 paid spin</source>
        <translation>1 bezahlter Spin</translation>
    </message>
    <message numerus="yes">
        <source>%n paid spins</source>
        <translation>
            <numerusform>%n bezahlter Spin</numerusform>
            <numerusform>%n bezahlte Spins</numerusform>
        </translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Credits by spin</source>
        <translation>Guthaben je Spin</translation>
    </message>
    <message>
        <source>Return to player against the machine&apos;s odds</source>
        <translation>Ihre Auszahlung gegenüber den Chancen</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 frei)</translation>
    </message>
    <message>
        <source>Credits after the spin</source>
        <translation>Guthaben nach dem Spin</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>Credits ($)</source>
        <translation>Guthaben ($)</translation>
    </message>
    <message>
        <source>Your return %</source>
        <translation>Ihre Quote %</translation>
    </message>
    <message>
        <source>Machine&apos;s return %</source>
        <translation>Automat %</translation>
    </message>
    <message>
        <source>Ordinary luck (±2 sd)</source>
        <translation>Normales Glück (±2 σ)</translation>
    </message>
    <message>
        <source>Paid spin</source>
        <translation>Bezahlter Spin</translation>
    </message>
    <message>
        <source>Return %</source>
        <translation>Auszahlung in %</translation>
    </message>
    <message>
        <source>Hits per combination on %1 (%2)</source>
        <translation>Treffer je Kombination am %1 (%2)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Exporting spins…</source>
        <translation>Spins werden exportiert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export Spins</source>
        <translation>Spins exportieren</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The spins could not be written to &quot;%1&quot;.</source>
        <translation>Die Spins konnten nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Spins are not being recorded (%1).</source>
        <translation>Spins werden nicht aufgezeichnet (%1).</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Effects volume</source>
        <translation>Lautstärke der Effekte</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Lautstärke der Musik</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Effekte:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Musik:</translation>
    </message>
    <message>
        <source>M switches all sound on and off.</source>
        <translation>M schaltet den ganzen Ton ein und aus.</translation>
    </message>
</context>
</TS>
