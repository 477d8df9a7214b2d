<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BellEngine</name>
    <message>
        <source>Sun</source>
        <translation>dim</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <translation>JOUR SUIVANT</translation>
    </message>
    <message>
        <source>the file could not be played</source>
        <translation>le fichier n’a pas pu être lu</translation>
    </message>
    <message>
        <source>no sound output</source>
        <translation>aucune sortie audio</translation>
    </message>
    <message>
        <source>the speakers are muted</source>
        <translation>les haut-parleurs sont coupés</translation>
    </message>
    <message>
        <source>Bell not heard: %1</source>
        <translation>Sonnerie non entendue : %1</translation>
    </message>
</context>
<context>
    <name>CalendarSubscriptions</name>
    <message>
        <source>the new copy is refused: %1</source>
        <translation>la nouvelle version est refusée : %1</translation>
    </message>
    <message>
        <source>the copy cannot be kept: %1</source>
        <translation>la version ne peut pas être conservée : %1</translation>
    </message>
    <message>
        <source>no copy yet</source>
        <translation>pas encore de version</translation>
    </message>
    <message>
        <source>%1 rules in force, fetched %2</source>
        <translation>%1 règles en vigueur, récupéré %2</translation>
    </message>
    <message>
        <source>; the last fetch failed: %1</source>
        <translation> ; la dernière récupération a échoué : %1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation> (http : réseau local uniquement)</translation>
    </message>
    <message>
        <source>a new copy waits for acceptance: %1 (tollix --refresh-calendars --accept %2 takes it)</source>
        <translation>une nouvelle version attend d’être acceptée : %1 (tollix --refresh-calendars --accept %2 l’accepte)</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2; its last copy is in force</source>
        <translation>le calendrier %1 n’a pas pu être récupéré : %2 ; sa dernière version reste en vigueur</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2</source>
        <translation>le calendrier %1 n’a pas pu être récupéré : %2</translation>
    </message>
    <message>
        <source>calendar %1: a new copy waits for acceptance: %2</source>
        <translation>calendrier %1 : une nouvelle version attend d’être acceptée : %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tollix rings the day&apos;s school bells through the speakers at their minute.</source>
        <translation>Tollix fait sonner les sonneries scolaires du jour dans les haut-parleurs à la minute prévue.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Affiche cette aide et se termine.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Affiche la version et se termine.</translation>
    </message>
    <message>
        <source>Prints the last 50 lines of the ring record and ends.</source>
        <translation>Affiche les 50 dernières lignes du journal des sonneries et se termine.</translation>
    </message>
    <message>
        <source>Uses &lt;folder&gt; as the program folder (its data/ and sound/).</source>
        <translation>Utilise &lt;dossier&gt; comme dossier du programme (ses data/ et sound/).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Adds the whole-day events of the iCalendar &lt;file&gt; to the days without bells, shows what it adds and ends. Exit status 1: the file or the holidays cannot be read or written; 3: the file looks like a calendar of school days, nothing is written (--yes takes it all the same).</source>
        <translation>Ajoute les événements d&apos;une journée entière du &lt;fichier&gt; iCalendar aux jours sans sonnerie, affiche ce qu&apos;il ajoute et se termine. Code de sortie 1 : le fichier ou les congés ne peuvent être lus ou écrits ; 3 : le fichier ressemble à un calendrier de jours de classe, rien n&apos;est écrit (--yes l&apos;importe quand même).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>With --import-holidays: imports a calendar of school days too.</source>
        <translation>Avec --import-holidays : importe aussi un calendrier de jours de classe.</translation>
    </message>
    <message>
        <source>tollix: %1 (try --help)</source>
        <translation>tollix : %1 (essayez --help)</translation>
    </message>
    <message>
        <source>tollix: unexpected argument &apos;%1&apos; (try --help)</source>
        <translation>tollix : argument inattendu « %1 » (essayez --help)</translation>
    </message>
    <message>
        <source>Reads a new password for the web page from standard input, stores its hash in data/web.ini and ends.</source>
        <translation>Lit un nouveau mot de passe pour la page web sur l&apos;entrée standard, enregistre son empreinte dans data/web.ini et se termine.</translation>
    </message>
    <message>
        <source>tollix: --yes goes only with --import-holidays (try --help)</source>
        <translation>tollix : --yes ne va qu’avec --import-holidays (essayez --help)</translation>
    </message>
    <message>
        <source>Rings the bells without a window or tray, for a computer without a screen; messages go to standard error. SIGTERM ends it.</source>
        <translation>Sonne les cloches sans fenêtre ni zone de notification, pour un ordinateur sans écran ; les messages vont sur la sortie d&apos;erreur standard. SIGTERM l&apos;arrête.</translation>
    </message>
    <message>
        <source>Prints what the running copy does now (state, next bell, last ring, problems) and ends. Exit status 1: no copy runs.</source>
        <translation>Affiche ce que fait la copie en cours (état, prochaine sonnerie, dernière sonnerie, problèmes) et s&apos;arrête. Code de sortie 1 : aucune copie ne fonctionne.</translation>
    </message>
    <message>
        <source>Hands the emergency signal &lt;name&gt; (Lockdown or Evacuation) to the running copy, which sounds it until All clear, and ends. Exit status 1: no copy runs; 2: an unknown name.</source>
        <translation>Transmet le signal d’urgence &lt;nom&gt; (Lockdown ou Evacuation) à la copie en cours, qui le fait retentir jusqu’à la fin d’alerte, et se termine. Code de sortie 1 : aucune copie ne fonctionne ; 2 : un nom inconnu.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Ends the emergency signal of the running copy and ends. Exit status 1: no copy runs.</source>
        <translation>Met fin au signal d’urgence de la copie en cours et se termine. Code de sortie 1 : aucune copie ne fonctionne.</translation>
    </message>
    <message>
        <source>Has the running copy fetch its subscribed calendars (data/calendars.ini) now, prints their state and ends. Exit status 1: no copy runs; 3: the copy named by --accept was not waiting.</source>
        <translation>Fait récupérer maintenant par la copie en cours ses calendriers abonnés (data/calendars.ini), affiche leur état et se termine. Code de sortie 1 : aucune copie ne fonctionne ; 3 : la version désignée par --accept n’était pas en attente.</translation>
    </message>
    <message>
        <source>With --refresh-calendars: takes the new copy of the calendar &lt;name&gt; that waits for the operator&apos;s Yes.</source>
        <translation>Avec --refresh-calendars : accepte la nouvelle version du calendrier &lt;nom&gt; qui attend le oui de l’opérateur.</translation>
    </message>
    <message>
        <source>tollix: --accept goes only with --refresh-calendars (try --help)</source>
        <translation>tollix : --accept ne va qu’avec --refresh-calendars (essayez --help)</translation>
    </message>
    <message>
        <source>tollix: unknown signal &apos;%1&apos;: Lockdown or Evacuation (try --help)</source>
        <translation>tollix : signal inconnu « %1 » : Lockdown ou Evacuation (essayez --help)</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Please input hour</source>
        <translation>Veuillez saisir les heures</translation>
    </message>
    <message>
        <source>Please input minute</source>
        <translation>Veuillez saisir les minutes</translation>
    </message>
    <message>
        <source>Please input second</source>
        <translation>Veuillez saisir les secondes</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 99</source>
        <translation>Heures : veuillez saisir un nombre de 0 à 99</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>Minutes : veuillez saisir un nombre de 0 à 59</translation>
    </message>
    <message>
        <source>(second)Please input digit between 0 and 59</source>
        <translation>Secondes : veuillez saisir un nombre de 0 à 59</translation>
    </message>
</context>
<context>
    <name>HolidayCommand</name>
    <message>
        <source>tollix: %1 was not imported: %2</source>
        <translation>tollix : %1 n&apos;a pas été importé : %2</translation>
    </message>
    <message>
        <source>nothing was written (--yes imports it all the same)</source>
        <translation>rien n&apos;a été écrit (--yes l&apos;importe quand même)</translation>
    </message>
    <message>
        <source>%1 new ranges written to %2</source>
        <translation>%1 nouvelles périodes écrites dans %2</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>This looks like a calendar of school days, not holidays: it would silence %1 of the %2 weekdays of %3.</source>
        <translation>Cela ressemble à un calendrier de jours de classe, pas de congés : il rendrait muets %1 des %2 jours de semaine de %3.</translation>
    </message>
    <message>
        <source>No new days without bells.</source>
        <translation>Aucun nouveau jour sans sonnerie.</translation>
    </message>
    <message>
        <source>Days without bells to add:</source>
        <translation>Jours sans sonnerie à ajouter :</translation>
    </message>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... et %1 de plus</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>School days (Monday to Friday) without bells: %1</source>
        <translation>Jours de classe (du lundi au vendredi) sans sonnerie : %1</translation>
    </message>
    <message>
        <source>%1 with a time of day</source>
        <translation>%1 avec une heure</translation>
    </message>
    <message>
        <source>%1 in the past</source>
        <translation>%1 dans le passé</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 annulés</translation>
    </message>
    <message>
        <source>Skipped events: %1</source>
        <translation>Événements ignorés : %1</translation>
    </message>
    <message>
        <source> (already without bells: %1)</source>
        <translation> (déjà sans sonnerie : %1)</translation>
    </message>
    <message>
        <source>Already days without bells, not added again:</source>
        <translation>Déjà jours sans sonnerie, pas ajoutés à nouveau :</translation>
    </message>
    <message>
        <source>%1 dates written with a time, read as dates</source>
        <translation>%1 dates écrites avec une heure, lues comme des dates</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Today     :</source>
        <translation>Aujourd&apos;hui :</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Click to see the ring log: every bell and what became of it.</source>
        <translation>Cliquez pour voir le journal des sonneries : chaque sonnerie et ce qu&apos;il en est advenu.</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Prochaine sonnerie</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>Prochain son</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Sonneries du jour</translation>
    </message>
    <message>
        <source>Select bell sound</source>
        <translation>Choisir le son de la sonnerie</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>Démarrage à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>If you want TOLLIX to operate automatically at computer start time.</source>
        <translation>Démarre TOLLIX tout seul à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>Pas de son du PC</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>Répéter la sonnerie</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <translation>La sonnerie se répète jusqu&apos;à ce que vous cliquiez sur [Arrêter la sonnerie].</translation>
    </message>
    <message>
        <source>If you want purge external sound generating other program.</source>
        <translation>Coupe le son des autres programmes entre les sonneries.</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Heure Internet</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>Garde l&apos;horloge de l&apos;ordinateur à l&apos;heure officielle d&apos;Internet.</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>Arrêt programmé</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>Intervalle automatique</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Saisie manuelle</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <translation>Mode des heures</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>Toute la semaine</translation>
    </message>
    <message>
        <source>Set each day </source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <source>Apply day</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>Pas de sonnerie</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>Choisir le jour</translation>
    </message>
    <message>
        <source>Set start and end time</source>
        <translation>Heure de début et de fin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Set time interval</source>
        <translation>Intervalles</translation>
    </message>
    <message>
        <source>Work time</source>
        <translation>Cours</translation>
    </message>
    <message>
        <source>Rest time</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>Sons des sonneries</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Cours</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>min after</source>
        <translation>min après</translation>
    </message>
    <message>
        <source>min before</source>
        <translation>min avant</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <translation>Alarmes après le début et avant la fin (cochez, puis appliquez un son)</translation>
    </message>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>Nouvelle heure (choisissez un son, puis ajoutez)</translation>
    </message>
    <message>
        <source>Added time (24H clock : 5PM -&gt; 17hr)</source>
        <translation>Heures ajoutées (format 24 h : 17 h = 5 heures de l&apos;après-midi)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Sonner maintenant</translation>
    </message>
    <message>
        <source>Stop Bell</source>
        <translation>Arrêter la sonnerie</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Templet</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>To the tray</source>
        <translation>Dans la zone de notification</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>Sonneries du jour</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>Sons de sonnerie</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>Jour affiché</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minute de début</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Minute de fin</translation>
    </message>
    <message>
        <source>Work minutes</source>
        <translation>Minutes de cours</translation>
    </message>
    <message>
        <source>Rest minutes</source>
        <translation>Minutes de pause</translation>
    </message>
    <message>
        <source>Sound of the work bell</source>
        <translation>Son de la sonnerie de cours</translation>
    </message>
    <message>
        <source>Sound of the rest bell</source>
        <translation>Son de la sonnerie de pause</translation>
    </message>
    <message>
        <source>Minutes after the start bell</source>
        <translation>Minutes après la sonnerie de début</translation>
    </message>
    <message>
        <source>Sound of the alarm after the start bell</source>
        <translation>Son de l&apos;alarme après le début</translation>
    </message>
    <message>
        <source>Minutes before the end bell</source>
        <translation>Minutes avant la sonnerie de fin</translation>
    </message>
    <message>
        <source>Sound of the alarm before the end bell</source>
        <translation>Son de l&apos;alarme avant la fin</translation>
    </message>
    <message>
        <source>Hour of the new time</source>
        <translation>Heure de la nouvelle heure</translation>
    </message>
    <message>
        <source>Minute of the new time (Enter adds it)</source>
        <translation>Minute de la nouvelle heure (Entrée l&apos;ajoute)</translation>
    </message>
    <message>
        <source>Added times (Del deletes)</source>
        <translation>Heures ajoutées (Suppr supprime)</translation>
    </message>
    <message>
        <source>Apply the selected sound to the work bell</source>
        <translation>Appliquer le son choisi à la sonnerie de cours</translation>
    </message>
    <message>
        <source>Apply the selected sound to the rest bell</source>
        <translation>Appliquer le son choisi à la sonnerie de pause</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm after the start bell</source>
        <translation>Appliquer le son choisi à l&apos;alarme après le début</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm before the end bell</source>
        <translation>Appliquer le son choisi à l&apos;alarme avant la fin</translation>
    </message>
    <message>
        <source>Open Window</source>
        <translation>Ouvrir la fenêtre</translation>
    </message>
    <message>
        <source>Align to school clock</source>
        <translation>Aligner sur l&apos;horloge de l&apos;école</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copier vers...</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Ajouter un son...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Plays the selected sound for a test; a bell ends it.</source>
        <translation>Joue le son choisi pour l&apos;essayer ; une sonnerie l&apos;arrête.</translation>
    </message>
    <message>
        <source>&amp;Play music list</source>
        <translation>&amp;Jouer une liste de musique</translation>
    </message>
    <message>
        <source>Countdown next &amp;bell</source>
        <translation>Compte à rebours jusqu&apos;à la prochaine &amp;sonnerie</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Compte à rebours</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Infomation</source>
        <translation>&amp;Informations</translation>
    </message>
    <message>
        <source>Holi&amp;days</source>
        <translation>Co&amp;ngés</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Page web</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>S&amp;orties</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>Ale&amp;rtes</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>Texte à dire</translation>
    </message>
    <message>
        <source>Spoken at once on the bells&apos; outputs.</source>
        <translation>Dit aussitôt sur les sorties des sonneries.</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Dire</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <translation>Choisissez un son dans [Choisir le son de la sonnerie]</translation>
    </message>
    <message>
        <source>Invalid music folder name. (Format : minutes_music folder name)</source>
        <translation>Nom de dossier de musique non valide (format : minutes_nom)</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>Heure : veuillez saisir un nombre de 0 à 23</translation>
    </message>
    <message>
        <source>(Minute)Please input digit between 0 and 59</source>
        <translation>Minute : veuillez saisir un nombre de 0 à 59</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <translation>Cette heure est déjà dans la liste.</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>Choisissez l&apos;heure à supprimer dans [Heures ajoutées]</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>Choisissez l&apos;heure à modifier dans [Heures ajoutées]</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>Choisissez un son dans [Choisir le son de la sonnerie]</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Choisissez un son dans [Choisir le son de la sonnerie]</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one sound file</source>
        <translation>Le dossier des sons doit contenir au moins un fichier son</translation>
    </message>
    <message>
        <source>nothing added time. please add time.</source>
        <translation>Aucune heure n&apos;a été ajoutée. Veuillez ajouter une heure.</translation>
    </message>
    <message>
        <source>Please input exit minute</source>
        <translation>Veuillez saisir la minute de fin</translation>
    </message>
    <message>
        <source>Please input start hour</source>
        <translation>Veuillez saisir l&apos;heure de début</translation>
    </message>
    <message>
        <source>Please input start minute</source>
        <translation>Veuillez saisir la minute de début</translation>
    </message>
    <message>
        <source>Please input end hour</source>
        <translation>Veuillez saisir l&apos;heure de fin</translation>
    </message>
    <message>
        <source>(End minute)Please input digit between 0 and 59</source>
        <translation>Minute de fin : veuillez saisir un nombre de 0 à 59</translation>
    </message>
    <message>
        <source>(Start Hour)Please input digit between 0 and 23</source>
        <translation>Heure de début : veuillez saisir un nombre de 0 à 23</translation>
    </message>
    <message>
        <source>(Start minute)Please input digit between 0 and 59</source>
        <translation>Minute de début : veuillez saisir un nombre de 0 à 59</translation>
    </message>
    <message>
        <source>(End hour)Please input digit between 0 and 23</source>
        <translation>Heure de fin : veuillez saisir un nombre de 0 à 23</translation>
    </message>
    <message>
        <source>(Work time)must over 1 minute</source>
        <translation>Le temps de cours doit être d&apos;au moins 1 minute</translation>
    </message>
    <message>
        <source>(rest time)must over 1 minute</source>
        <translation>Le temps de pause doit être d&apos;au moins 1 minute</translation>
    </message>
    <message>
        <source>must end time bigger then start time</source>
        <translation>L&apos;heure de fin doit être après l&apos;heure de début</translation>
    </message>
    <message>
        <source>(Alarm after start bell time)Please input digit between 1 and 99</source>
        <translation>Alarme après la sonnerie de début : veuillez saisir un nombre de 1 à 99</translation>
    </message>
    <message>
        <source>(Alarm before end bell time)Please input digit between 1 and 99</source>
        <translation>Alarme avant la sonnerie de fin : veuillez saisir un nombre de 1 à 99</translation>
    </message>
    <message>
        <source>Sum of [Alarm after start bell time minute] and [Alarm before end bell minute] is must not over work time.</source>
        <translation>Les minutes d&apos;alarme après la sonnerie de début et avant celle de fin doivent ensemble rester sous le temps de cours.</translation>
    </message>
    <message>
        <source>Start time and end time is must over sum of work time and rest time.</source>
        <translation>La durée du début à la fin doit dépasser la somme du temps de cours et du temps de pause.</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one mp3 or wav or wma sound file</source>
        <translation>Le dossier des sons doit contenir au moins un fichier mp3, wav ou wma</translation>
    </message>
    <message>
        <source>Not exist selected bell in sound folder.</source>
        <translation>La sonnerie choisie n&apos;est pas dans le dossier des sons.</translation>
    </message>
    <message>
        <source>Music file must exist more than one in music list folder, except file name starting ##</source>
        <translation>Le dossier de la liste de musique doit contenir au moins un fichier dont le nom ne commence pas par ##</translation>
    </message>
    <message>
        <source>An emergency signal sounds: no bell is rung until All clear.</source>
        <translation>Un signal d’urgence retentit : aucune sonnerie ne sonne avant la fin d’alerte.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>%1 may be read by others and is not used (chmod 600 it)</source>
        <translation>%1 peut être lu par d’autres et n’est pas utilisé (faites-lui un chmod 600)</translation>
    </message>
    <message>
        <source>calendars.ini line %1: %2</source>
        <translation>calendars.ini ligne %1 : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address and no setting</source>
        <translation>« %1 » n’est ni une adresse ni un réglage</translation>
    </message>
    <message>
        <source>refresh is a number of hours, 1 .. 168</source>
        <translation>refresh est un nombre d’heures, 1 .. 168</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting (refresh, ca)</source>
        <translation>« %1 » n’est pas un réglage (refresh, ca)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no https:// or webcal:// address</source>
        <translation>« %1 » n’est pas une adresse https:// ou webcal://</translation>
    </message>
    <message>
        <source>http:// is only for the local network; %1 needs https://</source>
        <translation>http:// est réservé au réseau local ; %1 demande https://</translation>
    </message>
    <message>
        <source>it would silence %1 of the %2 school days of %3</source>
        <translation>elle rendrait muets %1 des %2 jours de classe de %3</translation>
    </message>
    <message>
        <source>it would change %1 school days at once (more than %2)</source>
        <translation>elle changerait %1 jours de classe d’un coup (plus de %2)</translation>
    </message>
    <message>
        <source>Days without bells added: %1</source>
        <translation>Jours sans sonnerie ajoutés : %1</translation>
    </message>
    <message>
        <source>Days without bells removed: %1</source>
        <translation>Jours sans sonnerie retirés : %1</translation>
    </message>
    <message>
        <source>Days with other bells: %1</source>
        <translation>Jours avec d’autres sonneries : %1</translation>
    </message>
</context>
<context>
    <name>TimeSync</name>
    <message>
        <source>behind</source>
        <translation>en retard</translation>
    </message>
    <message>
        <source>ahead</source>
        <translation>en avance</translation>
    </message>
    <message>
        <source>No answer from %1 since %2</source>
        <translation>Pas de réponse de %1 depuis %2</translation>
    </message>
    <message>
        <source>Clock agrees with %1 at %2</source>
        <translation>L&apos;horloge concorde avec %1 à %2</translation>
    </message>
    <message>
        <source>Clock set from %1 at %2</source>
        <translation>Horloge réglée sur %1 à %2</translation>
    </message>
    <message>
        <source>Held back: %1 says this computer is %2 s %3. A change over 60 s needs %4 answers at least 64 s apart that agree within 1 s; %5 so far</source>
        <translation>Retenu : selon %1, cet ordinateur est %2 s %3. Un changement de plus de 60 s demande %4 réponses espacées d&apos;au moins 64 s et concordantes à 1 s près ; %5 jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Bells follow %1: this computer is %2 s %3</source>
        <translation>Les sonneries suivent %1 : cet ordinateur est %2 s %3</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Log out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Prochaine sonnerie</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Sonner maintenant</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Arrêter la sonnerie</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Sonneries du jour</translation>
    </message>
    <message>
        <source>Last rings</source>
        <translation>Dernières sonneries</translation>
    </message>
    <message>
        <source>Internet time: </source>
        <translation>Heure Internet : </translation>
    </message>
    <message>
        <source>Time: PC clock</source>
        <translation>Heure : horloge du PC</translation>
    </message>
    <message>
        <source>Error </source>
        <translation>Erreur </translation>
    </message>
    <message>
        <source>en</source>
        <translation>fr</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>MARCHE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>CONGÉ</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Too many failed log-ins: wait %1 s</source>
        <translation>Trop de connexions échouées : attendez %1 s</translation>
    </message>
    <message>
        <source>Busy: try again</source>
        <translation>Occupé : réessayez</translation>
    </message>
    <message>
        <source>Stop the schedule? No bell rings until it is started again.</source>
        <translation>Arrêter le programme ? Aucune sonnerie ne retentit tant qu’il n’est pas redémarré.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A file could not be read: %1 (the initial settings are used)</source>
        <translation>Un fichier n’a pas pu être lu : %1 (les réglages initiaux sont utilisés)</translation>
    </message>
    <message>
        <source>The schedule is running.</source>
        <translation>Le programme est en marche.</translation>
    </message>
    <message>
        <source>The schedule is stopped.</source>
        <translation>Le programme est arrêté.</translation>
    </message>
    <message>
        <source>Say now</source>
        <translation>Dire maintenant</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>Texte à dire</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Dire</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vues</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Sonneries</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Modèle %1</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Changed meanwhile elsewhere: shown as it is now</source>
        <translation>Modifié entre-temps ailleurs : affiché tel qu’il est maintenant</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Time mode</source>
        <translation>Mode des heures</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>Intervalle automatique</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Saisie manuelle</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>Toute la semaine</translation>
    </message>
    <message>
        <source>Set each day</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>Pas de sonnerie</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copier vers...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Settings of</source>
        <translation>Réglages de</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Work (minutes)</source>
        <translation>Cours (minutes)</translation>
    </message>
    <message>
        <source>Rest (minutes)</source>
        <translation>Pause (minutes)</translation>
    </message>
    <message>
        <source>Start bell</source>
        <translation>Sonnerie de début</translation>
    </message>
    <message>
        <source>End bell</source>
        <translation>Sonnerie de fin</translation>
    </message>
    <message>
        <source>Alarm after start bell</source>
        <translation>Alarme après la sonnerie de début</translation>
    </message>
    <message>
        <source>Minutes after</source>
        <translation>Minutes après</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Son de l’alarme</translation>
    </message>
    <message>
        <source>Alarm before end bell</source>
        <translation>Alarme avant la sonnerie de fin</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minutes avant</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Emergency signals</source>
        <translation>Signaux d&apos;urgence</translation>
    </message>
    <message>
        <source>Repeat (seconds)</source>
        <translation>Répétition (secondes)</translation>
    </message>
    <message>
        <source>Unknown signal.</source>
        <translation>Signal inconnu.</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>Une sonnerie est en cours.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>Le son n’a pas pu être joué.</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <translation>Signal d’urgence : %1</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Hold a button for 2 seconds.</source>
        <translation>Maintenez un bouton appuyé 2 secondes.</translation>
    </message>
    <message>
        <source>Lockdown</source>
        <translation>Intrusion</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>Évacuation</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Fin d’alerte</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>Pas de sonnerie</translation>
    </message>
    <message>
        <source>Bells of %1</source>
        <translation>Sonneries de %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Ajouter un son...</translation>
    </message>
    <message>
        <source>Import it all the same</source>
        <translation>Importer quand même</translation>
    </message>
    <message>
        <source>Import these days</source>
        <translation>Importer ces jours</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Congés</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Sonneries</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>Importer un calendrier de congés</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Outputs (one a line; none: the default output)</source>
        <translation>Sorties (une par ligne ; aucune : la sortie par défaut)</translation>
    </message>
    <message>
        <source>School clock ahead (seconds)</source>
        <translation>Avance de l’horloge de l’école (secondes)</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Heure Internet</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>Pas de son du PC</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>Démarrage à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>Arrêt programmé</translation>
    </message>
    <message>
        <source>Exit time</source>
        <translation>Heure d’arrêt</translation>
    </message>
</context>
<context>
    <name>WebPasswordCommand</name>
    <message>
        <source>New web page password: </source>
        <translation>Nouveau mot de passe de la page web : </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Le même à nouveau : </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>aucun mot de passe n’a été donné</translation>
    </message>
    <message>
        <source>the password is longer than 1024 bytes</source>
        <translation>le mot de passe dépasse 1024 octets</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>les deux mots de passe diffèrent</translation>
    </message>
    <message>
        <source>the password could not be hashed (out of memory)</source>
        <translation>le mot de passe n’a pas pu être haché (mémoire insuffisante)</translation>
    </message>
    <message>
        <source>tollix: %1; nothing was written</source>
        <translation>tollix : %1 ; rien n’a été écrit</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1</source>
        <translation>Le mot de passe de la page web est enregistré dans %1</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1 (the page stays off until a port is set)</source>
        <translation>Le mot de passe de la page web est enregistré dans %1 (la page reste éteinte tant qu’aucun port n’est réglé)</translation>
    </message>
    <message>
        <source>the password is shorter than %1 characters</source>
        <translation>le mot de passe fait moins de %1 caractères</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error Number : 
</source>
        <translation>Erreur : 
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The public time servers are used.</source>
        <translation>Un fichier n&apos;a pas pu être lu : %1
Les serveurs de temps publics sont utilisés.</translation>
    </message>
    <message>
        <source>TOLLIX runs already; it is not started a second time.</source>
        <translation>TOLLIX fonctionne déjà ; il n&apos;est pas lancé une seconde fois.</translation>
    </message>
    <message>
        <source>TOLLIX runs as a service and rings the bells; it is not started a second time.</source>
        <translation>TOLLIX fonctionne comme service et sonne les cloches ; il n&apos;est pas lancé une seconde fois.</translation>
    </message>
    <message>
        <source>TOLLIX does not run.</source>
        <translation>TOLLIX ne fonctionne pas.</translation>
    </message>
    <message>
        <source>TOLLIX does not run: the signal was not given.</source>
        <translation>TOLLIX ne fonctionne pas : le signal n’a pas été donné.</translation>
    </message>
    <message>
        <source>No new copy of the calendar %1 waits for acceptance.</source>
        <translation>Aucune nouvelle version du calendrier %1 n’attend d’être acceptée.</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The signals sound in this building only.</source>
        <translation>Un fichier n’a pas pu être lu : %1
Les signaux ne retentissent que dans ce bâtiment.</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmBanner</name>
    <message>
        <source>Every bell is held until All clear.</source>
        <translation>Aucune sonnerie jusqu’à la fin d’alerte.</translation>
    </message>
    <message>
        <source>All clear...</source>
        <translation>Fin d’alerte...</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Fin d’alerte</translation>
    </message>
    <message>
        <source>End the signal and ring the bells again?</source>
        <translation>Mettre fin au signal et reprendre les sonneries ?</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmWindow</name>
    <message>
        <source>Lockdown</source>
        <translation>Intrusion</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>Évacuation</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Fin d’alerte</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>Lockdown...</source>
        <translation>Intrusion...</translation>
    </message>
    <message>
        <source>Evacuation...</source>
        <translation>Évacuation...</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Again after (s, 0: at once)</source>
        <translation>De nouveau après (s, 0 : aussitôt)</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Essayer</translation>
    </message>
    <message>
        <source>The sound cannot be tried now: a bell or a signal sounds, or the file cannot be played.</source>
        <translation>Le son ne peut pas être essayé maintenant : une sonnerie ou un signal retentit, ou le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Sound the %1 signal on every speaker now?
Every bell is held until All clear.</source>
        <translation>Faire retentir maintenant le signal « %1 » sur tous les haut-parleurs ?
Aucune sonnerie jusqu’à la fin d’alerte.</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>Le réglage n’a pas pu être enregistré : %1</translation>
    </message>
</context>
<context>
    <name>tollix::CopyToDialog</name>
    <message>
        <source>Copy to...</source>
        <translation>Copier vers...</translation>
    </message>
</context>
<context>
    <name>tollix::FramelessWindow</name>
    <message>
        <source>TOLLIX-Stop</source>
        <translation>TOLLIX - arrêté</translation>
    </message>
    <message>
        <source>TOLLIX-Excuting...</source>
        <translation>TOLLIX - en marche</translation>
    </message>
</context>
<context>
    <name>tollix::FrmBellCount</name>
    <message>
        <source>Countdown next bell</source>
        <translation>Compte à rebours jusqu&apos;à la prochaine sonnerie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tollix::FrmCountDown</name>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
</context>
<context>
    <name>tollix::FrmFullScreen</name>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>Small window</source>
        <translation>Petite fenêtre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Reprendre</translation>
    </message>
</context>
<context>
    <name>tollix::FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <translation>Le serveur de temps Internet est injoignable : l&apos;heure ne peut pas être corrigée.</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <translation>Veuillez vérifier que le réseau fonctionne.</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <translation>Si cet avertissement s&apos;ouvre souvent, le réseau est instable et l&apos;heure Internet ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of TOLLIX main window.</source>
        <translation>Dans ce cas, décochez la case [Heure Internet] de la fenêtre principale de TOLLIX.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tollix::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Keyboard&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Ctrl+S&lt;/b&gt; Start, &lt;b&gt;Ctrl+T&lt;/b&gt; Stop, &lt;b&gt;Ctrl+R&lt;/b&gt; Ring now, &lt;b&gt;Esc&lt;/b&gt; stops the bell that sounds. &lt;b&gt;Enter&lt;/b&gt; in the minute field adds the time, &lt;b&gt;Del&lt;/b&gt; in the list deletes the selected time. &lt;b&gt;Tab&lt;/b&gt; goes from control to control; the arrow keys and the mouse wheel change the numbers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Clavier&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Ctrl+S&lt;/b&gt; Démarrer, &lt;b&gt;Ctrl+T&lt;/b&gt; Arrêter, &lt;b&gt;Ctrl+R&lt;/b&gt; Sonner maintenant, &lt;b&gt;Échap&lt;/b&gt; arrête la sonnerie en cours. &lt;b&gt;Entrée&lt;/b&gt; dans le champ des minutes ajoute l&apos;heure, &lt;b&gt;Suppr&lt;/b&gt; dans la liste supprime l&apos;heure choisie. &lt;b&gt;Tab&lt;/b&gt; passe d&apos;un élément à l&apos;autre ; les flèches et la molette de la souris changent les nombres.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;The bell ringer for schools and workplaces.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Program folder&lt;/b&gt; (settings and sounds):&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ring record&lt;/b&gt; (every bell and what became of it):&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Copyright 2026 the Tollix developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;La sonnerie pour les écoles et les lieux de travail.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dossier du programme&lt;/b&gt; (réglages et sons) :&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;Journal des sonneries&lt;/b&gt; (chaque sonnerie et ce qu&apos;il en est advenu) :&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Copyright 2026 les développeurs de Tollix. Tous droits réservés.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Points of caution&lt;/h3&gt;&lt;p&gt;&lt;b&gt;The clock is the 24-hour clock.&lt;/b&gt; 5 PM is 17 hr, midnight is 0 hr. A bell at 17 hr 30 min rings at half past five in the afternoon.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sounds&lt;/b&gt; are the .mp3, .wav, .wma, .ogg and .flac files in the sound folder:&lt;br&gt;%1&lt;br&gt;Copy your bells there, or use &quot;Add sound...&quot; under the list: the list of sounds follows the folder while TOLLIX runs.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Auto interval&lt;/b&gt; makes the bells for you: from the start time, a work bell, then after the work time a rest bell, then after the rest time the next work bell, and so on until the end time. &lt;b&gt;Manual input&lt;/b&gt; rings only the times you add to the list, each with its own sound.&lt;/p&gt;&lt;p&gt;&lt;b&gt;No com sound&lt;/b&gt; keeps the speakers silent between bells, so music or videos of other programs are not heard in class. The speakers are on for each bell and again when TOLLIX ends.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Points d&apos;attention&lt;/h3&gt;&lt;p&gt;&lt;b&gt;L&apos;horloge est au format 24 heures.&lt;/b&gt; 17 h correspond à 5 heures de l&apos;après-midi, minuit à 0 h. Une sonnerie à 17 h 30 min retentit à cinq heures et demie de l&apos;après-midi.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Les sons&lt;/b&gt; sont les fichiers .mp3, .wav, .wma, .ogg et .flac du dossier des sons :&lt;br&gt;%1&lt;br&gt;Copiez-y vos sonneries ou utilisez « Ajouter un son... » sous la liste : la liste des sons suit le dossier tant que TOLLIX tourne.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Intervalle automatique&lt;/b&gt; crée les sonneries pour vous : à l&apos;heure de début une sonnerie de cours, après le temps de cours une sonnerie de pause, après la pause la sonnerie de cours suivante, et ainsi de suite jusqu&apos;à l&apos;heure de fin. &lt;b&gt;Saisie manuelle&lt;/b&gt; ne sonne qu&apos;aux heures que vous ajoutez à la liste, chacune avec son propre son.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pas de son du PC&lt;/b&gt; rend les haut-parleurs muets entre les sonneries, pour que la musique ou les vidéos d&apos;autres programmes ne s&apos;entendent pas en classe. Les haut-parleurs sont rétablis pour chaque sonnerie et à la fermeture de TOLLIX.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Play music list&lt;/h3&gt;&lt;p&gt;A bell can be a list of music instead of one sound, for example during a break.&lt;/p&gt;&lt;p&gt;Make a folder inside the sound folder (%1) and name it with the number of minutes it plays, an underscore and a name: &lt;b&gt;15_lunch&lt;/b&gt; plays for 15 minutes.&lt;/p&gt;&lt;p&gt;Put .mp3, .wav, .wma, .ogg or .flac files in it. They play one after another in the order of their names, and again from the first until the minutes are over. A file whose name starts with &lt;b&gt;##&lt;/b&gt; plays once at the beginning.&lt;/p&gt;&lt;p&gt;In the last four seconds the music fades out. A new folder appears in the list of sounds by itself, a moment after it is made.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Jouer une liste de musique&lt;/h3&gt;&lt;p&gt;Une sonnerie peut être une liste de musique au lieu d&apos;un seul son, par exemple pendant une pause.&lt;/p&gt;&lt;p&gt;Créez un dossier dans le dossier des sons (%1) et nommez-le avec le nombre de minutes de lecture, un trait de soulignement et un nom : &lt;b&gt;15_lunch&lt;/b&gt; joue pendant 15 minutes.&lt;/p&gt;&lt;p&gt;Mettez-y des fichiers .mp3, .wav, .wma, .ogg ou .flac. Ils sont joués l&apos;un après l&apos;autre dans l&apos;ordre de leurs noms, puis à nouveau depuis le premier jusqu&apos;à la fin des minutes. Un fichier dont le nom commence par &lt;b&gt;##&lt;/b&gt; est joué une fois au début.&lt;/p&gt;&lt;p&gt;Dans les quatre dernières secondes, la musique s&apos;estompe. Un nouveau dossier apparaît de lui-même dans la liste des sons, un instant après sa création.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tollix::HolidaysWindow</name>
    <message>
        <source>Holidays</source>
        <translation>Congés</translation>
    </message>
    <message>
        <source>Name, for example Winter holidays</source>
        <translation>Nom, par exemple Vacances d&apos;hiver</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>Pas de sonnerie</translation>
    </message>
    <message>
        <source>Make-up day with the bells of</source>
        <translation>Jour de rattrapage avec les sonneries du</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Import calendar (.ics)...</source>
        <translation>Importer un calendrier (.ics)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>A date or a range</source>
        <translation>Une date ou une période</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Make-up day</source>
        <translation>Jour de rattrapage</translation>
    </message>
    <message>
        <source>Rules of %1</source>
        <translation>Règles de %1</translation>
    </message>
    <message>
        <source>The file cannot be used: %1</source>
        <translation>Le fichier ne peut pas être utilisé : %1</translation>
    </message>
    <message>
        <source>Line %1 is not read: %2</source>
        <translation>La ligne %1 n&apos;est pas lue : %2</translation>
    </message>
    <message>
        <source>Select a rule to delete.</source>
        <translation>Choisissez une règle à supprimer.</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>Importer un calendrier de congés</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 n&apos;a pas été importé : %2</translation>
    </message>
    <message>
        <source>Import it all the same?</source>
        <translation>L&apos;importer quand même ?</translation>
    </message>
    <message>
        <source>Import these days?</source>
        <translation>Importer ces jours ?</translation>
    </message>
    <message>
        <source>%1 holidays imported</source>
        <translation>%1 congés importés</translation>
    </message>
    <message>
        <source>, %1 events with a time of day skipped</source>
        <translation>, %1 événements avec une heure ignorés</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The holidays cannot be saved: %1</source>
        <translation>Les congés ne peuvent pas être enregistrés : %1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Days without bells and make-up days</source>
        <translation>Jours sans sonnerie et jours de rattrapage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Weekday whose bells ring</source>
        <translation>Jour de la semaine dont les sonneries retentissent</translation>
    </message>
    <message>
        <source>Special day with the bells of</source>
        <translation>Jour spécial avec les sonneries de</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Modèle %1</translation>
    </message>
    <message>
        <source>Special day</source>
        <translation>Jour spécial</translation>
    </message>
    <message>
        <source>Template of the special day</source>
        <translation>Modèle du jour spécial</translation>
    </message>
    <message>
        <source>Templet %1 holds no bells: a special day with it would ring nothing. Put its bells in first.</source>
        <translation>Le modèle %1 ne contient aucune sonnerie : un jour spécial avec lui ne sonnerait rien. Mettez-y d&apos;abord ses sonneries.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>From the subscribed calendar %1</source>
        <translation>Du calendrier abonné %1</translation>
    </message>
    <message>
        <source>Subscribed: %1, %2 rules</source>
        <translation>Abonné : %1, %2 règles</translation>
    </message>
    <message>
        <source>, fetched %1</source>
        <translation>, récupéré %1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation> (http : réseau local uniquement)</translation>
    </message>
    <message>
        <source>The last fetch failed: %1; the last good copy is used.</source>
        <translation>La dernière récupération a échoué : %1 ; la dernière bonne version est utilisée.</translation>
    </message>
    <message>
        <source>A new copy of %1 waits: %2
%3</source>
        <translation>Une nouvelle version de %1 attend : %2
%3</translation>
    </message>
    <message>
        <source>Take the new copy of %1</source>
        <translation>Accepter la nouvelle version de %1</translation>
    </message>
    <message>
        <source>Take the new copy of %1 with the days it changes?</source>
        <translation>Accepter la nouvelle version de %1 avec les jours qu’elle change ?</translation>
    </message>
</context>
<context>
    <name>tollix::MenuWindows</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Play music list</source>
        <translation>Jouer une liste de musique</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Informations</translation>
    </message>
</context>
<context>
    <name>tollix::OutputsWindow</name>
    <message>
        <source>Outputs</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Outputs the bells play on</source>
        <translation>Sorties sur lesquelles jouent les sonneries</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (absente)</translation>
    </message>
    <message>
        <source>The bells play on every output ticked, all at once.
None ticked: the default output. Another computer&apos;s speakers are an output too
(a network sink of the sound server: see the README). Relays and IP speakers
listed below the outputs switch and play with every bell.</source>
        <translation>Les sonneries jouent en même temps sur chaque sortie cochée.
Aucune cochée : la sortie par défaut. Les haut-parleurs d’un autre ordinateur sont aussi une sortie
(une sortie réseau du serveur de son : voir le README). Les relais et haut-parleurs IP
listés sous les sorties s’enclenchent et jouent à chaque sonnerie.</translation>
    </message>
    <message>
        <source>Rings the selected bell on the outputs ticked, or switches the selected relay, or plays the bell on the selected IP speakers</source>
        <translation>Fait sonner la sonnerie choisie sur les sorties cochées, enclenche le relais choisi ou joue la sonnerie sur les haut-parleurs IP choisis</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Takes the selected relay or IP speakers off the list</source>
        <translation>Retire de la liste le relais ou les haut-parleurs IP choisis</translation>
    </message>
    <message>
        <source>Relay ON command</source>
        <translation>Commande d’enclenchement du relais</translation>
    </message>
    <message>
        <source>Relay OFF command</source>
        <translation>Commande de déclenchement du relais</translation>
    </message>
    <message>
        <source>Seconds the relay stays on</source>
        <translation>Secondes pendant lesquelles le relais reste enclenché</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>for the sound</source>
        <translation>durée du son</translation>
    </message>
    <message>
        <source>Add relay</source>
        <translation>Ajouter le relais</translation>
    </message>
    <message>
        <source>Relay (a hard-wired bell)</source>
        <translation>Relais (une sonnerie câblée)</translation>
    </message>
    <message>
        <source>ON command:</source>
        <translation>Commande d’enclenchement :</translation>
    </message>
    <message>
        <source>OFF command:</source>
        <translation>Commande de déclenchement :</translation>
    </message>
    <message>
        <source>On for:</source>
        <translation>Enclenché pendant :</translation>
    </message>
    <message>
        <source>Multicast group of the IP speakers</source>
        <translation>Groupe multicast des haut-parleurs IP</translation>
    </message>
    <message>
        <source>Port of the IP speakers</source>
        <translation>Port des haut-parleurs IP</translation>
    </message>
    <message>
        <source>Add IP speakers</source>
        <translation>Ajouter les haut-parleurs IP</translation>
    </message>
    <message>
        <source>IP speakers (multicast RTP, G.711)</source>
        <translation>Haut-parleurs IP (RTP multicast, G.711)</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Groupe :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Relay: %1</source>
        <translation>Relais : %1</translation>
    </message>
    <message>
        <source> (on for %1 s)</source>
        <translation> (enclenché %1 s)</translation>
    </message>
    <message>
        <source>IP speakers: %1:%2</source>
        <translation>Haut-parleurs IP : %1:%2</translation>
    </message>
    <message>
        <source>%1 (unusable: %2)</source>
        <translation>%1 (inutilisable : %2)</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Non ajouté : %1</translation>
    </message>
    <message>
        <source>Not tried: a bell sounds on it now, or no bell is selected.</source>
        <translation>Non testé : une sonnerie y joue en ce moment, ou aucune sonnerie n’est choisie.</translation>
    </message>
</context>
<context>
    <name>tollix::QtCalendarFetch</name>
    <message>
        <source>the certificate authority %1 cannot be read</source>
        <translation>l’autorité de certification %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>the calendar is larger than 16 MB</source>
        <translation>le calendrier dépasse 16 Mo</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>le serveur a répondu %1 %2</translation>
    </message>
</context>
<context>
    <name>tollix::RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>Journal des sonneries</translation>
    </message>
    <message>
        <source>The last %1 bells, newest at the bottom. Kept in %2</source>
        <translation>Les %1 dernières sonneries, la plus récente en bas. Conservé dans %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No bell has rung yet.</source>
        <translation>Aucune sonnerie n&apos;a encore retenti.</translation>
    </message>
</context>
<context>
    <name>tollix::SchoolClockWindow</name>
    <message>
        <source>Align to school clock</source>
        <translation>Aligner sur l’horloge de l’école</translation>
    </message>
    <message>
        <source>-1 s</source>
        <translation>-1 s</translation>
    </message>
    <message>
        <source>+1 s</source>
        <translation>+1 s</translation>
    </message>
    <message>
        <source>Ring now at the next full minute</source>
        <translation>Sonner à chaque minute pile</translation>
    </message>
    <message>
        <source>The selected bell rings at every full minute of school time while this is checked: move the clock until it rings with the school&apos;s.</source>
        <translation>Tant que cette case est cochée, la sonnerie choisie sonne à chaque minute pile de l’heure de l’école : déplacez l’horloge jusqu’à ce qu’elle sonne avec celle de l’école.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The school&apos;s clocks are ahead by</source>
        <translation>Les horloges de l’école avancent de</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s wall clocks are ahead of this computer&apos;s time (behind: less than 0).
Every bell, clock and countdown of TOLLIX goes by school time.</source>
        <translation>Secondes d’avance des horloges murales de l’école sur l’heure de cet ordinateur (retard : moins de 0).
Chaque sonnerie, horloge et compte à rebours de TOLLIX suit l’heure de l’école.</translation>
    </message>
    <message>
        <source>School clock: %1 s ahead</source>
        <translation>Horloge de l’école : %1 s d’avance</translation>
    </message>
    <message>
        <source>School clock: %1 s behind</source>
        <translation>Horloge de l’école : %1 s de retard</translation>
    </message>
    <message>
        <source>School time %1:%2:%3</source>
        <translation>Heure de l’école %1:%2:%3</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s clocks are ahead</source>
        <translation>Secondes d&apos;avance des horloges de l&apos;école</translation>
    </message>
</context>
<context>
    <name>tollix::SoundListPanel</name>
    <message>
        <source>Add sound</source>
        <translation>Ajouter un son</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>Une sonnerie est en cours.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>Le son n&apos;a pas pu être joué.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>The sound folder holds another %1. Replace it?</source>
        <translation>Le dossier des sons contient déjà un autre %1. Le remplacer ?</translation>
    </message>
    <message>
        <source>Not added:%1</source>
        <translation>Non ajouté :%1</translation>
    </message>
    <message>
        <source>Sounds (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</source>
        <translation>Sons (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</translation>
    </message>
    <message>
        <source>Cannot be spoken: %1</source>
        <translation>Ne peut pas être dit : %1</translation>
    </message>
</context>
<context>
    <name>tollix::WebPageWindow</name>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Éteinte</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Port (0: off)</source>
        <translation>Port (0 : éteinte)</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>The same again</source>
        <translation>Le même à nouveau</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Les deux mots de passe diffèrent.</translation>
    </message>
    <message>
        <source>Set a password first.</source>
        <translation>Définissez d’abord un mot de passe.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>The password could not be hashed.</source>
        <translation>Le mot de passe n’a pas pu être haché.</translation>
    </message>
    <message>
        <source>The page is off: %1</source>
        <translation>La page est éteinte : %1</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>La page est éteinte.</translation>
    </message>
    <message>
        <source>Open %1 on a computer or phone of the school&apos;s network.</source>
        <translation>Ouvrez %1 sur un ordinateur ou un téléphone du réseau de l’école.</translation>
    </message>
    <message>
        <source>The password is shorter than %1 characters.</source>
        <translation>Le mot de passe fait moins de %1 caractères.</translation>
    </message>
</context>
<context>
    <name>tollix::isAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <translation>Arrêt programmé de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <translation>Heure d&apos;arrêt (format 24 heures)</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>Heure : veuillez saisir un nombre de 0 à 23</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>Minutes : veuillez saisir un nombre de 0 à 59</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
</context>
<context>
    <name>tollix::isAutoModeForm</name>
    <message>
        <source>Auto execution</source>
        <translation>Démarrage à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Auto execution way</source>
        <translation>Mode de démarrage à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <translation>Démarrer dans la zone de notification</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <translation>Démarrer avec la fenêtre affichée</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>tollix::main</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The initial settings are used, and the file is kept as it is until a setting it holds is changed.</source>
        <translation>Un fichier n&apos;a pas pu être lu : %1
Les réglages initiaux sont utilisés, et le fichier reste tel quel jusqu&apos;à ce qu&apos;un de ses réglages change.</translation>
    </message>
    <message>
        <source>The ring record cannot be kept: %1
The bells ring all the same.</source>
        <translation>Le journal des sonneries ne peut pas être tenu : %1
Les sonneries retentissent quand même.</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>Reading the sound folder %1</source>
        <translation>Lecture du dossier des sons %1</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>Error Number : 
%1 failed: %2</source>
        <translation>Erreur :
%1 a échoué : %2</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>Le réglage n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <translation>Cliquez sur les flèches à droite de [Choisir le jour] pour régler les sonneries de chaque jour.</translation>
    </message>
    <message>
        <source>templet%1</source>
        <translation>modèle %1</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>MARCHE</translation>
    </message>
    <message>
        <source>No bells today: %1</source>
        <translation>Pas de sonnerie aujourd&apos;hui : %1</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>CONGÉ</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Pas de sonnerie aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Make-up day: %1&apos;s bells%2</source>
        <translation>Jour de rattrapage : sonneries du %1%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>Supprimer toutes les heures de la liste ?</translation>
    </message>
    <message>
        <source>Replace the %1 bells in the list with Templet %2?</source>
        <translation>Remplacer les %1 sonneries de la liste par le modèle %2 ?</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>Garde l&apos;horloge de l&apos;ordinateur à l&apos;heure officielle d&apos;Internet.</translation>
    </message>
    <message>
        <source>TOLLIX cannot be set to start at log-on: %1</source>
        <translation>TOLLIX ne peut pas être réglé pour démarrer à l&apos;ouverture de session : %1</translation>
    </message>
    <message>
        <source>The start entry at log-on could not be removed: %1</source>
        <translation>L&apos;entrée de démarrage à l&apos;ouverture de session n&apos;a pas pu être supprimée : %1</translation>
    </message>
    <message>
        <source>The computer could not be switched off at the reserved time.
%1</source>
        <translation>L&apos;ordinateur n&apos;a pas pu être éteint à l&apos;heure prévue.
%1</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <translation>TOLLIX utilise le serveur de temps Internet pour garder l&apos;horloge de l&apos;ordinateur à l&apos;heure.</translation>
    </message>
    <message>
        <source>Stop all bells and exit TOLLIX?</source>
        <translation>Arrêter toutes les sonneries et quitter TOLLIX ?</translation>
    </message>
    <message>
        <source>Start every weekday from the week&apos;s list?</source>
        <translation>Commencer chaque jour de semaine avec la liste de la semaine ?</translation>
    </message>
    <message>
        <source>Special day: Templet %1%2</source>
        <translation>Jour spécial : modèle %1%2</translation>
    </message>
    <message>
        <source>%1 hr %2 min %3 sec</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>The list on screen is empty. These days would lose all their bells: %1
Copy the empty list?</source>
        <translation>La liste affichée est vide. Ces jours perdraient toutes leurs sonneries : %1
Copier la liste vide ?</translation>
    </message>
    <message>
        <source>These days have bells of their own: %1
Replace them with the list on screen?</source>
        <translation>Ces jours ont leurs propres sonneries : %1
Les remplacer par la liste affichée ?</translation>
    </message>
    <message>
        <source>These special days would ring no bells, their template holds none:
%1</source>
        <translation>Ces jours spéciaux ne sonneraient pas, leur modèle ne contient aucune sonnerie :
%1</translation>
    </message>
    <message>
        <source>No bells set: nothing rings today or on the next five school days</source>
        <translation>Aucune sonnerie réglée : rien ne sonne aujourd&apos;hui ni les cinq prochains jours de classe</translation>
    </message>
    <message>
        <source>A file changed on disk could not be read: %1
The settings held are kept.</source>
        <translation>Un fichier modifié sur le disque n&apos;a pas pu être lu : %1
Les réglages en cours sont conservés.</translation>
    </message>
    <message>
        <source>The broker %1 cannot be reached: signals sound in this building only.</source>
        <translation>Le broker %1 est injoignable : les signaux ne retentissent que dans ce bâtiment.</translation>
    </message>
    <message>
        <source>Type the words to say.</source>
        <translation>Tapez le texte à dire.</translation>
    </message>
    <message>
        <source>At most %1 characters can be said.</source>
        <translation>Au plus %1 caractères peuvent être dits.</translation>
    </message>
    <message>
        <source>Words cannot be spoken here.</source>
        <translation>Aucun texte ne peut être dit ici.</translation>
    </message>
</context>
<context>
    <name>tollix::templet</name>
    <message>
        <source>Select templet</source>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Modèle %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
