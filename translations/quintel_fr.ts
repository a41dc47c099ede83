<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>QUINTEL SLOTS is a collection of 3 slot machine games: QUINTEL, LUCKY 7 and TREASURE CHEST slots.  Each of the games are fun and exciting and will keep you entertained for hours.  All 3 games are played from a standard 3 wheel slot machine but have different graphics and payoff combinations. </source>
        <translation>QUINTEL SLOTS est une collection de 3 machines à sous : QUINTEL, LUCKY 7 et TREASURE CHEST.  Chacun de ces jeux est amusant et palpitant, et vous divertira pendant des heures.  Les 3 jeux se jouent sur une machine à sous classique à 3 rouleaux, mais ont chacun leurs images et leurs combinaisons gagnantes. </translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1 for Windows 95</source>
        <translation>À propos de %1 pour Windows 95</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>AutoPlayDialog</name>
    <message>
        <source>Auto Play Settings</source>
        <translation>Réglages du jeu automatique</translation>
    </message>
    <message>
        <source>Until stopped</source>
        <translation>Jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>Spins per run:</source>
        <translation>Tours par série :</translation>
    </message>
    <message>
        <source>Stop the run:</source>
        <translation>Arrêter la série :</translation>
    </message>
    <message>
        <source>On any win</source>
        <translation>À chaque gain</translation>
    </message>
    <message>
        <source>On a single win of at least</source>
        <translation>Sur un gain d&apos;au moins</translation>
    </message>
    <message>
        <source>Smallest win that stops the run</source>
        <translation>Plus petit gain qui arrête la série</translation>
    </message>
    <message>
        <source>When credits fall below</source>
        <translation>Quand les crédits passent sous</translation>
    </message>
    <message>
        <source>Credits below which the run stops</source>
        <translation>Crédits sous lesquels la série s’arrête</translation>
    </message>
    <message>
        <source>When the bonus pool is won</source>
        <translation>Quand la cagnotte est gagnée</translation>
    </message>
    <message>
        <source>When free spins start</source>
        <translation>Quand des tours gratuits commencent</translation>
    </message>
    <message>
        <source>Escape, Space or a click on the reels ends a run after the spin in play.
Auto play never borrows.</source>
        <translation>Échap, Espace ou un clic sur les rouleaux arrête la série après le tour en cours.
Le jeu automatique n’emprunte jamais.</translation>
    </message>
</context>
<context>
    <name>CustomBannerDialog</name>
    <message>
        <source>Change the Banner Text</source>
        <translation>Modifier le texte défilant</translation>
    </message>
    <message>
        <source>Banner text</source>
        <translation>Texte défilant</translation>
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
        <translation>Limite de pertes atteinte</translation>
    </message>
    <message>
        <source>This session has lost $%1, which reaches your loss limit of $%2. Raise or clear the limit under Options &gt; Reminders to play on.</source>
        <translation>Cette session a perdu $%1, ce qui atteint votre limite de pertes de $%2. Relevez ou supprimez la limite dans Options &gt; Rappels pour continuer à jouer.</translation>
    </message>
    <message>
        <source>Wager Not Allowed</source>
        <translation>Mise refusée</translation>
    </message>
    <message>
        <source>You cannot wager more credits than you have!</source>
        <translation>Vous ne pouvez pas miser plus de crédits que vous n’en avez !</translation>
    </message>
    <message>
        <source>No Wager Placed</source>
        <translation>Aucune mise</translation>
    </message>
    <message>
        <source>Place a bet before spinning!</source>
        <translation>Misez avant de lancer les rouleaux !</translation>
    </message>
    <message>
        <source>Invalid Wager</source>
        <translation>Mise impossible</translation>
    </message>
    <message>
        <source>Your last wager is more than your available credits!  You need to borrow more credits or place a new wager.</source>
        <translation>Votre dernière mise dépasse vos crédits disponibles !  Empruntez des crédits ou placez une nouvelle mise.</translation>
    </message>
</context>
<context>
    <name>FaceReadout</name>
    <message>
        <source>Last spin: %1</source>
        <translation>Dernier tour : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Wager</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Bonus Pool</source>
        <translation>Cagnotte</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Valeur de la pièce %1</translation>
    </message>
    <message>
        <source>Wagers</source>
        <translation>Mises</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Payoff</source>
        <translation>Taux de redistribution</translation>
    </message>
    <message>
        <source>Pay line</source>
        <translation>Ligne de paiement</translation>
    </message>
    <message>
        <source>Insert Coin</source>
        <translation>Insérer une pièce</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>Rouleaux en mouvement</translation>
    </message>
    <message>
        <source>Stakes one %1 coin</source>
        <translation>Mise une pièce de %1</translation>
    </message>
    <message>
        <source>Spins with the coins inserted, or the last bet again</source>
        <translation>Lance les rouleaux avec les pièces insérées, ou rejoue la dernière mise</translation>
    </message>
    <message>
        <source>Spin %1: %2</source>
        <translation>Tour %1 : %2</translation>
    </message>
    <message>
        <source>free spins start</source>
        <translation>les tours gratuits commencent</translation>
    </message>
    <message>
        <source>no win, free spins go on</source>
        <translation>aucun gain, les tours gratuits continuent</translation>
    </message>
    <message>
        <source>no win</source>
        <translation>aucun gain</translation>
    </message>
    <message>
        <source>%1, paid %2, bonus pool won, %3</source>
        <translation>%1, payé %2, cagnotte gagnée, %3</translation>
    </message>
    <message>
        <source>%1, paid %2</source>
        <translation>%1, payé %2</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Machine à sous</translation>
    </message>
</context>
<context>
    <name>FaceScale</name>
    <message>
        <source>Too large for this screen: the window would be %1 × %2 pixels, the screen has room for %3 × %4.</source>
        <translation>Trop grand pour cet écran : la fenêtre ferait %1 × %2 pixels, l’écran dispose de %3 × %4.</translation>
    </message>
</context>
<context>
    <name>GameHistoryDialog</name>
    <message>
        <source>Game History</source>
        <translation>Historique de jeu</translation>
    </message>
    <message>
        <source>No spins recorded yet.</source>
        <translation>Aucun tour enregistré pour l’instant.</translation>
    </message>
    <message>
        <source>Reels</source>
        <translation>Rouleaux</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinaison</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Pool Won</source>
        <translation>Cagnotte</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Last spins</source>
        <translation>Derniers tours</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Aucun gain</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Gratuit</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payant</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Change Game</source>
        <translation>Changer de machine</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Load </source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Bet Amount</source>
        <translation>Valeur de la pièce</translation>
    </message>
    <message>
        <source>Digit Colors</source>
        <translation>Couleur des chiffres</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Texte défilant</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Spin Speed</source>
        <translation>Vitesse des rouleaux</translation>
    </message>
    <message>
        <source>Very Fast</source>
        <translation>Très rapide</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Banner Text</source>
        <translation>Modifier le texte défilant</translation>
    </message>
    <message>
        <source>Reduce Flashing</source>
        <translation>Réduire le clignotement</translation>
    </message>
    <message>
        <source>Quick Stop</source>
        <translation>Arrêt rapide</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Rappels…</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Spin Sound</source>
        <translation>Son des rouleaux</translation>
    </message>
    <message>
        <source>Stop Sound</source>
        <translation>Son d’arrêt</translation>
    </message>
    <message>
        <source>Win Sounds</source>
        <translation>Sons de gain</translation>
    </message>
    <message>
        <source>Lose Sounds</source>
        <translation>Sons de perte</translation>
    </message>
    <message>
        <source>Coin Sound</source>
        <translation>Son des pièces</translation>
    </message>
    <message>
        <source>Credit Sound</source>
        <translation>Son des crédits</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Volume…</source>
        <translation>Volume…</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Taille de la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>&amp;Banque</translation>
    </message>
    <message>
        <source>Borrow</source>
        <translation>Emprunter</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Jeu auto</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Tours automatiques</translation>
    </message>
    <message>
        <source>Auto Play Settings…</source>
        <translation>Réglages du jeu auto…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Machine Odds</source>
        <translation>Probabilités de la machine</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historique de jeu</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiques…</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel (en anglais)</translation>
    </message>
    <message>
        <source>Auto Play (%1 left)</source>
        <translation>Jeu auto (encore %1)</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>The saved games file could not be read and was kept aside as &quot;%1&quot;. Your games were restored from the last good copy.</source>
        <translation>Le fichier des parties enregistrées n’a pas pu être lu et a été mis de côté sous le nom « %1 ». Vos parties ont été restaurées depuis la dernière copie intacte.</translation>
    </message>
    <message>
        <source>The saved games file could not be read and was kept aside as &quot;%1&quot;. There was no earlier copy, so a new game has started.</source>
        <translation>Le fichier des parties enregistrées n’a pas pu être lu et a été mis de côté sous le nom « %1 ». Il n’y avait pas de copie antérieure : une nouvelle partie a commencé.</translation>
    </message>
    <message>
        <source>The game ended while the reels were turning. That spin has been completed: it paid $%1.</source>
        <translation>Le jeu s’est arrêté pendant que les rouleaux tournaient. Ce tour a été terminé : il a rapporté $%1.</translation>
    </message>
    <message>
        <source>The game ended while the reels were turning. That spin has been completed: it did not win.</source>
        <translation>Le jeu s’est arrêté pendant que les rouleaux tournaient. Ce tour a été terminé : il n’a rien gagné.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l’enregistrement</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;. Check that the folder exists and can be written, then save again.</source>
        <translation>La partie n’a pas pu être enregistrée dans « %1 ». Vérifiez que le dossier existe et qu’il est accessible en écriture, puis enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>The saved games file had been damaged and was kept aside as &quot;%1&quot;; it has been written anew.</source>
        <translation>Le fichier des parties enregistrées était endommagé et a été mis de côté sous le nom « %1 » ; il a été réécrit.</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>Your settings could not be written to &quot;%1&quot;. They apply until the game closes.</source>
        <translation>Vos réglages n’ont pas pu être écrits dans « %1 ». Ils s’appliquent jusqu’à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>You can play on; the spins are kept and recorded as soon as the folder can be written again.</source>
        <translation>Vous pouvez continuer à jouer ; les tours sont conservés et enregistrés dès que le dossier sera de nouveau accessible en écriture.</translation>
    </message>
    <message>
        <source>You can play on; the game is saved as soon as the folder can be written again.</source>
        <translation>Vous pouvez continuer à jouer ; la partie sera enregistrée dès que le dossier sera de nouveau accessible en écriture.</translation>
    </message>
    <message>
        <source>If the game quits now, the spins since the last save are lost. Make room or fix the folder, then try again.</source>
        <translation>Si le jeu se ferme maintenant, les tours joués depuis le dernier enregistrement seront perdus. Libérez de la place ou réparez le dossier, puis réessayez.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>you do not have permission to write there</source>
        <translation>vous n’avez pas le droit d’y écrire</translation>
    </message>
    <message>
        <source>the system reported &quot;%1&quot;</source>
        <translation>le système a signalé « %1 »</translation>
    </message>
    <message>
        <source>Spins could not be recorded in the folder &quot;%1&quot;: %2.</source>
        <translation>Les tours n’ont pas pu être enregistrés dans le dossier « %1 » : %2.</translation>
    </message>
    <message>
        <source>The game could not be saved in the folder &quot;%1&quot;: %2.</source>
        <translation>La partie n’a pas pu être enregistrée dans le dossier « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quintel Slots 95 Manual</source>
        <translation>Quintel Slots 95 – Manuel (en anglais)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Accueil</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The manual could not be found at %1.</source>
        <translation>Le manuel est introuvable à l’emplacement %1.</translation>
    </message>
</context>
<context>
    <name>LoadSaveDialog</name>
    <message>
        <source>Load a Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Save a Game</source>
        <translation>Enregistrer une partie</translation>
    </message>
    <message>
        <source>Name of Game:</source>
        <translation>Nom de la partie :</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <translation>Partie %1</translation>
    </message>
</context>
<context>
    <name>Machine</name>
    <message>
        <source>Q medallion (wild)</source>
        <translation>Médaillon Q (joker)</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Pastèque</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerises</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Three Q medallions</source>
        <translation>Trois médaillons Q</translation>
    </message>
    <message>
        <source>Three bells</source>
        <translation>Trois cloches</translation>
    </message>
    <message>
        <source>Three plums</source>
        <translation>Trois prunes</translation>
    </message>
    <message>
        <source>Three oranges</source>
        <translation>Trois oranges</translation>
    </message>
    <message>
        <source>Three watermelons</source>
        <translation>Trois pastèques</translation>
    </message>
    <message>
        <source>Three cherries</source>
        <translation>Trois cerises</translation>
    </message>
    <message>
        <source>Cherries on reels 1 and 2</source>
        <translation>Cerises sur les rouleaux 1 et 2</translation>
    </message>
    <message>
        <source>Cherries on reel 1</source>
        <translation>Cerises sur le rouleau 1</translation>
    </message>
    <message>
        <source>Red seven (wild)</source>
        <translation>Sept rouge (joker)</translation>
    </message>
    <message>
        <source>Blue seven</source>
        <translation>Sept bleu</translation>
    </message>
    <message>
        <source>White seven</source>
        <translation>Sept blanc</translation>
    </message>
    <message>
        <source>Gold seven</source>
        <translation>Sept doré</translation>
    </message>
    <message>
        <source>Double bar</source>
        <translation>Double barre</translation>
    </message>
    <message>
        <source>Single bar</source>
        <translation>Barre simple</translation>
    </message>
    <message>
        <source>Three red sevens</source>
        <translation>Trois sept rouges</translation>
    </message>
    <message>
        <source>Three blue sevens</source>
        <translation>Trois sept bleus</translation>
    </message>
    <message>
        <source>Three white sevens</source>
        <translation>Trois sept blancs</translation>
    </message>
    <message>
        <source>Three gold sevens</source>
        <translation>Trois sept dorés</translation>
    </message>
    <message>
        <source>Any three sevens</source>
        <translation>Trois sept quelconques</translation>
    </message>
    <message>
        <source>Three double bars</source>
        <translation>Trois doubles barres</translation>
    </message>
    <message>
        <source>Three single bars</source>
        <translation>Trois barres simples</translation>
    </message>
    <message>
        <source>Any three bars</source>
        <translation>Trois barres quelconques</translation>
    </message>
    <message>
        <source>Jolly Roger (wild)</source>
        <translation>Jolly Roger (joker)</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubis</translation>
    </message>
    <message>
        <source>Gold coins</source>
        <translation>Pièces d&apos;or</translation>
    </message>
    <message>
        <source>Treasure map</source>
        <translation>Carte au trésor</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>Treasure chest</source>
        <translation>Coffre au trésor</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancre</translation>
    </message>
    <message>
        <source>Three Jolly Rogers</source>
        <translation>Trois Jolly Roger</translation>
    </message>
    <message>
        <source>Three diamonds</source>
        <translation>Trois diamants</translation>
    </message>
    <message>
        <source>Three rubies</source>
        <translation>Trois rubis</translation>
    </message>
    <message>
        <source>Three gold coins</source>
        <translation>Trois pièces d&apos;or</translation>
    </message>
    <message>
        <source>Three treasure maps</source>
        <translation>Trois cartes au trésor</translation>
    </message>
    <message>
        <source>Three compasses</source>
        <translation>Trois boussoles</translation>
    </message>
    <message>
        <source>Three anchors</source>
        <translation>Trois ancres</translation>
    </message>
    <message>
        <source>Treasure chest anywhere: Spin &apos;til You Win!</source>
        <translation>Coffre au trésor n&apos;importe où : Spin &apos;til You Win!</translation>
    </message>
</context>
<context>
    <name>MachineOddsDialog</name>
    <message>
        <source>1 in %1</source>
        <translation>1 sur %1</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Machine Odds</source>
        <translation>Probabilités de la machine</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinaison</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Paie</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>Combination %1</source>
        <translation>Combinaison %1</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Tours gratuits</translation>
    </message>
    <message>
        <source>Hit frequency: %1 spins (%2)</source>
        <translation>Fréquence de gain : %1 tours (%2)</translation>
    </message>
    <message>
        <source>Spin &apos;til You Win!: %1 spins, %2 free spins on average, paying × %3</source>
        <translation>Spin &apos;til You Win! : %1 tours, %2 tours gratuits en moyenne, qui paient × %3</translation>
    </message>
    <message>
        <source>%1 × 3 coins</source>
        <translation>%1 × 3 pièces</translation>
    </message>
    <message>
        <source>Theoretical return at %1: %2</source>
        <translation>Redistribution théorique à %1 : %2</translation>
    </message>
    <message>
        <source>Your payoff on this machine: %1</source>
        <translation>Votre taux de redistribution sur cette machine : %1</translation>
    </message>
    <message>
        <source>On average this machine pays back %1 of what you bet at %2</source>
        <translation>En moyenne, cette machine redistribue %1 de vos mises à %2</translation>
    </message>
</context>
<context>
    <name>ReminderPrompt</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Continuer à jouer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>RemindersDialog</name>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Toutes les %1 minutes</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Time and money reminder:</source>
        <translation>Rappel du temps et de l’argent :</translation>
    </message>
    <message>
        <source>Stop play when this session has lost</source>
        <translation>Arrêter le jeu quand cette session a perdu</translation>
    </message>
    <message>
        <source>Session loss limit</source>
        <translation>Limite de pertes de la session</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>%1 hour</source>
        <translation>%1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours and minutes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>This session has run for %1. You have wagered $%2 and won $%3: a net loss of $%4.</source>
        <translation>Cette session dure depuis %1. Vous avez misé $%2 et gagné $%3 : une perte nette de $%4.</translation>
    </message>
    <message>
        <source>This session has run for %1. You have wagered $%2 and won $%3: a net gain of $%4.</source>
        <translation>Cette session dure depuis %1. Vous avez misé $%2 et gagné $%3 : un gain net de $%4.</translation>
    </message>
    <message>
        <source>This session has run for %1. You have wagered $%2 and won $%3: you are even.</source>
        <translation>Cette session dure depuis %1. Vous avez misé $%2 et gagné $%3 : vous êtes à l’équilibre.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>MIDI Error</source>
        <translation>Erreur MIDI</translation>
    </message>
    <message>
        <source>There has been an error playing a MIDI file (%1).  Either the MIDI file could not be found or your system is not configured to play MIDI files.  Music has been switched off.</source>
        <translation>Une erreur s’est produite lors de la lecture d’un fichier MIDI (%1).  Soit le fichier MIDI est introuvable, soit votre système n’est pas configuré pour lire les fichiers MIDI.  La musique a été coupée.</translation>
    </message>
</context>
<context>
    <name>SpinLog</name>
    <message>
        <source>The spin log was damaged and has been kept aside as &quot;%1&quot;. A new spin log has been started.</source>
        <translation>Le journal des tours était endommagé et a été mis de côté sous le nom « %1 ». Un nouveau journal a été commencé.</translation>
    </message>
    <message>
        <source>Spins are not being recorded (%1). You can play on as usual.</source>
        <translation>Les tours ne sont pas enregistrés (%1). Vous pouvez continuer à jouer normalement.</translation>
    </message>
</context>
<context>
    <name>StatisticsLoader</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>The statistics cannot be shown: a part of the game is missing or damaged.

%1</source>
        <translation>Les statistiques ne peuvent pas être affichées : une partie du jeu est absente ou endommagée.

%1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Spins</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Wagered</source>
        <translation>Misé</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <translation>Plus gros gain</translation>
    </message>
    <message>
        <source>Longest run without a win</source>
        <translation>Plus longue série sans gain</translation>
    </message>
    <message>
        <source>Pools won</source>
        <translation>Cagnottes gagnées</translation>
    </message>
    <message>
        <source>Free-spin sequences</source>
        <translation>Séries de tours gratuits</translation>
    </message>
    <message>
        <source>1 spin</source>
        <translation>1 tour</translation>
    </message>
    <message numerus="yes">
        <source>%n spins</source>
        <translation>
            <numerusform>%n tour</numerusform>
            <numerusform>%n tours</numerusform>
        </translation>
    </message>
    <message>
        <source>1 paid spin</source>
        <translation>1 tour payant</translation>
    </message>
    <message numerus="yes">
        <source>%n paid spins</source>
        <translation>
            <numerusform>%n tour payant</numerusform>
            <numerusform>%n tours payants</numerusform>
        </translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher :</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Cette partie</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Toutes les parties</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Credits by spin</source>
        <translation>Crédits par tour</translation>
    </message>
    <message>
        <source>Return to player against the machine&apos;s odds</source>
        <translation>Votre retour face aux probabilités</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 gratuits)</translation>
    </message>
    <message>
        <source>Credits after the spin</source>
        <translation>Crédits après le tour</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Credits ($)</source>
        <translation>Crédits ($)</translation>
    </message>
    <message>
        <source>Your return %</source>
        <translation>Votre taux %</translation>
    </message>
    <message>
        <source>Machine&apos;s return %</source>
        <translation>Machine %</translation>
    </message>
    <message>
        <source>Ordinary luck (±2 sd)</source>
        <translation>Chance normale (±2 σ)</translation>
    </message>
    <message>
        <source>Paid spin</source>
        <translation>Tour payant</translation>
    </message>
    <message>
        <source>Return %</source>
        <translation>Redistribution en %</translation>
    </message>
    <message>
        <source>Hits per combination on %1 (%2)</source>
        <translation>Gains par combinaison sur %1 (%2)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendus</translation>
    </message>
    <message>
        <source>Exporting spins…</source>
        <translation>Exportation des tours…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export Spins</source>
        <translation>Exporter les tours</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>The spins could not be written to &quot;%1&quot;.</source>
        <translation>Les tours n’ont pas pu être écrits dans « %1 ».</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Spins are not being recorded (%1).</source>
        <translation>Les tours ne sont pas enregistrés (%1).</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Effects volume</source>
        <translation>Volume des effets</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Volume de la musique</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Effets :</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Musique :</translation>
    </message>
    <message>
        <source>M switches all sound on and off.</source>
        <translation>M active et coupe tout le son.</translation>
    </message>
</context>
</TS>
