<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BellEngine</name>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <translation>NÄCHSTER TAG</translation>
    </message>
    <message>
        <source>the file could not be played</source>
        <translation>die Datei konnte nicht abgespielt werden</translation>
    </message>
    <message>
        <source>no sound output</source>
        <translation>keine Tonausgabe</translation>
    </message>
    <message>
        <source>the speakers are muted</source>
        <translation>die Lautsprecher sind stumm</translation>
    </message>
    <message>
        <source>Bell not heard: %1</source>
        <translation>Klingel nicht gehört: %1</translation>
    </message>
</context>
<context>
    <name>CalendarSubscriptions</name>
    <message>
        <source>the new copy is refused: %1</source>
        <translation>die neue Fassung wird abgelehnt: %1</translation>
    </message>
    <message>
        <source>the copy cannot be kept: %1</source>
        <translation>die Fassung kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>no copy yet</source>
        <translation>noch keine Fassung</translation>
    </message>
    <message>
        <source>%1 rules in force, fetched %2</source>
        <translation>%1 Regeln gelten, abgerufen %2</translation>
    </message>
    <message>
        <source>; the last fetch failed: %1</source>
        <translation>; der letzte Abruf ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation> (http: nur im lokalen Netz)</translation>
    </message>
    <message>
        <source>a new copy waits for acceptance: %1 (tollix --refresh-calendars --accept %2 takes it)</source>
        <translation>eine neue Fassung wartet auf Bestätigung: %1 (tollix --refresh-calendars --accept %2 übernimmt sie)</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2; its last copy is in force</source>
        <translation>Kalender %1 konnte nicht abgerufen werden: %2; seine letzte Fassung gilt</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2</source>
        <translation>Kalender %1 konnte nicht abgerufen werden: %2</translation>
    </message>
    <message>
        <source>calendar %1: a new copy waits for acceptance: %2</source>
        <translation>Kalender %1: eine neue Fassung wartet auf Bestätigung: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tollix rings the day&apos;s school bells through the speakers at their minute.</source>
        <translation>Tollix läutet die Schulglocken des Tages zur richtigen Minute über die Lautsprecher.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe und endet.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <source>Prints the last 50 lines of the ring record and ends.</source>
        <translation>Gibt die letzten 50 Zeilen des Klingelprotokolls aus und endet.</translation>
    </message>
    <message>
        <source>Uses &lt;folder&gt; as the program folder (its data/ and sound/).</source>
        <translation>Verwendet &lt;Ordner&gt; als Programmordner (mit data/ und sound/).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Adds the whole-day events of the iCalendar &lt;file&gt; to the days without bells, shows what it adds and ends. Exit status 1: the file or the holidays cannot be read or written; 3: the file looks like a calendar of school days, nothing is written (--yes takes it all the same).</source>
        <translation>Fügt die ganztägigen Termine der iCalendar-&lt;Datei&gt; zu den Tagen ohne Klingeln hinzu, zeigt, was hinzukommt, und endet. Exit-Status 1: Die Datei oder die Ferien können nicht gelesen oder geschrieben werden; 3: Die Datei sieht wie ein Kalender der Schultage aus, nichts wird geschrieben (--yes übernimmt sie trotzdem).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>With --import-holidays: imports a calendar of school days too.</source>
        <translation>Mit --import-holidays: importiert auch einen Kalender der Schultage.</translation>
    </message>
    <message>
        <source>tollix: %1 (try --help)</source>
        <translation>tollix: %1 (siehe --help)</translation>
    </message>
    <message>
        <source>tollix: unexpected argument &apos;%1&apos; (try --help)</source>
        <translation>tollix: unerwartetes Argument „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>Reads a new password for the web page from standard input, stores its hash in data/web.ini and ends.</source>
        <translation>Liest ein neues Passwort für die Webseite von der Standardeingabe, speichert seinen Hash in data/web.ini und endet.</translation>
    </message>
    <message>
        <source>tollix: --yes goes only with --import-holidays (try --help)</source>
        <translation>tollix: --yes gilt nur mit --import-holidays (siehe --help)</translation>
    </message>
    <message>
        <source>Rings the bells without a window or tray, for a computer without a screen; messages go to standard error. SIGTERM ends it.</source>
        <translation>Läutet die Glocken ohne Fenster und Infobereich, für einen Rechner ohne Bildschirm; Meldungen gehen auf die Standardfehlerausgabe. SIGTERM beendet es.</translation>
    </message>
    <message>
        <source>Prints what the running copy does now (state, next bell, last ring, problems) and ends. Exit status 1: no copy runs.</source>
        <translation>Gibt aus, was die laufende Kopie gerade tut (Zustand, nächste Glocke, letztes Läuten, Probleme), und endet. Exit-Status 1: keine Kopie läuft.</translation>
    </message>
    <message>
        <source>Hands the emergency signal &lt;name&gt; (Lockdown or Evacuation) to the running copy, which sounds it until All clear, and ends. Exit status 1: no copy runs; 2: an unknown name.</source>
        <translation>Übergibt das Notfallsignal &lt;Name&gt; (Lockdown oder Evacuation) an die laufende Kopie, die es bis zur Entwarnung ertönen lässt, und endet. Exit-Status 1: keine Kopie läuft; 2: ein unbekannter Name.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ends the emergency signal of the running copy and ends. Exit status 1: no copy runs.</source>
        <translation>Beendet das Notfallsignal der laufenden Kopie und endet. Exit-Status 1: keine Kopie läuft.</translation>
    </message>
    <message>
        <source>Has the running copy fetch its subscribed calendars (data/calendars.ini) now, prints their state and ends. Exit status 1: no copy runs; 3: the copy named by --accept was not waiting.</source>
        <translation>Lässt die laufende Kopie ihre abonnierten Kalender (data/calendars.ini) jetzt abrufen, gibt deren Zustand aus und endet. Exit-Status 1: keine Kopie läuft; 3: die mit --accept genannte Fassung wartete nicht.</translation>
    </message>
    <message>
        <source>With --refresh-calendars: takes the new copy of the calendar &lt;name&gt; that waits for the operator&apos;s Yes.</source>
        <translation>Mit --refresh-calendars: übernimmt die neue Fassung des Kalenders &lt;Name&gt;, die auf das Ja des Bedieners wartet.</translation>
    </message>
    <message>
        <source>tollix: --accept goes only with --refresh-calendars (try --help)</source>
        <translation>tollix: --accept gilt nur mit --refresh-calendars (siehe --help)</translation>
    </message>
    <message>
        <source>tollix: unknown signal &apos;%1&apos;: Lockdown or Evacuation (try --help)</source>
        <translation>tollix: unbekanntes Signal „%1“: Lockdown oder Evacuation (siehe --help)</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Please input hour</source>
        <translation>Bitte die Stunden eingeben</translation>
    </message>
    <message>
        <source>Please input minute</source>
        <translation>Bitte die Minuten eingeben</translation>
    </message>
    <message>
        <source>Please input second</source>
        <translation>Bitte die Sekunden eingeben</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 99</source>
        <translation>Stunden: bitte eine Zahl von 0 bis 99 eingeben</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>Minuten: bitte eine Zahl von 0 bis 59 eingeben</translation>
    </message>
    <message>
        <source>(second)Please input digit between 0 and 59</source>
        <translation>Sekunden: bitte eine Zahl von 0 bis 59 eingeben</translation>
    </message>
</context>
<context>
    <name>HolidayCommand</name>
    <message>
        <source>tollix: %1 was not imported: %2</source>
        <translation>tollix: %1 wurde nicht importiert: %2</translation>
    </message>
    <message>
        <source>nothing was written (--yes imports it all the same)</source>
        <translation>nichts wurde geschrieben (--yes importiert trotzdem)</translation>
    </message>
    <message>
        <source>%1 new ranges written to %2</source>
        <translation>%1 neue Zeiträume in %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>This looks like a calendar of school days, not holidays: it would silence %1 of the %2 weekdays of %3.</source>
        <translation>Das sieht wie ein Kalender der Schultage aus, nicht der Ferien: Er würde %1 der %2 Wochentage von %3 stumm schalten.</translation>
    </message>
    <message>
        <source>No new days without bells.</source>
        <translation>Keine neuen Tage ohne Klingeln.</translation>
    </message>
    <message>
        <source>Days without bells to add:</source>
        <translation>Hinzuzufügende Tage ohne Klingeln:</translation>
    </message>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... und %1 weitere</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>School days (Monday to Friday) without bells: %1</source>
        <translation>Schultage (Montag bis Freitag) ohne Klingeln: %1</translation>
    </message>
    <message>
        <source>%1 with a time of day</source>
        <translation>%1 mit Uhrzeit</translation>
    </message>
    <message>
        <source>%1 in the past</source>
        <translation>%1 in der Vergangenheit</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 abgesagt</translation>
    </message>
    <message>
        <source>Skipped events: %1</source>
        <translation>Übersprungene Termine: %1</translation>
    </message>
    <message>
        <source> (already without bells: %1)</source>
        <translation> (schon ohne Klingeln: %1)</translation>
    </message>
    <message>
        <source>Already days without bells, not added again:</source>
        <translation>Schon Tage ohne Klingeln, nicht noch einmal hinzugefügt:</translation>
    </message>
    <message>
        <source>%1 dates written with a time, read as dates</source>
        <translation>%1 Daten mit Uhrzeit geschrieben, als Daten gelesen</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Today     :</source>
        <translation>Heute:</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Click to see the ring log: every bell and what became of it.</source>
        <translation>Klicken Sie für das Klingelprotokoll: jedes Klingeln und was daraus wurde.</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Nächste Klingel</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>Nächster Klang</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Heutige Klingelzeiten</translation>
    </message>
    <message>
        <source>Select bell sound</source>
        <translation>Klingelton wählen</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>Start bei der Anmeldung</translation>
    </message>
    <message>
        <source>If you want TOLLIX to operate automatically at computer start time.</source>
        <translation>Startet TOLLIX von selbst bei der Anmeldung.</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>Kein PC-Ton</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>Klingel wiederholen</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <translation>Die Klingel läutet immer wieder, bis Sie auf [Klingel aus] klicken.</translation>
    </message>
    <message>
        <source>If you want purge external sound generating other program.</source>
        <translation>Schaltet den Ton anderer Programme zwischen den Klingelzeichen stumm.</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Internetzeit</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>Hält die Uhr des Computers nach der Internetzeit genau.</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>Geplant ausschalten</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>Automatische Abstände</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Manuelle Eingabe</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <translation>Zeitmodus</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>Ganze Woche</translation>
    </message>
    <message>
        <source>Set each day </source>
        <translation>Jeder Tag einzeln</translation>
    </message>
    <message>
        <source>Apply day</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>Keine Klingel</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>Tag wählen</translation>
    </message>
    <message>
        <source>Set start and end time</source>
        <translation>Start- und Endzeit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>Std</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Set time interval</source>
        <translation>Zeitabstände</translation>
    </message>
    <message>
        <source>Work time</source>
        <translation>Unterricht</translation>
    </message>
    <message>
        <source>Rest time</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>Klingeltöne</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Unterricht</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>min after</source>
        <translation>Min danach</translation>
    </message>
    <message>
        <source>min before</source>
        <translation>Min davor</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <translation>Alarm nach Start- und vor Endklingel (ankreuzen, dann Klang übernehmen)</translation>
    </message>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>Neue Zeit (Klang wählen, dann hinzufügen)</translation>
    </message>
    <message>
        <source>Added time (24H clock : 5PM -&gt; 17hr)</source>
        <translation>Eingetragene Zeiten (24-Stunden-Uhr: 17 Uhr = 17 Std)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Jetzt klingeln</translation>
    </message>
    <message>
        <source>Stop Bell</source>
        <translation>Klingel aus</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Templet</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>To the tray</source>
        <translation>In den Infobereich</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>Heutige Klingelzeiten</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>Klingeltöne</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>Angezeigter Tag</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Startstunde</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Startminute</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Endstunde</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Endminute</translation>
    </message>
    <message>
        <source>Work minutes</source>
        <translation>Unterrichtsminuten</translation>
    </message>
    <message>
        <source>Rest minutes</source>
        <translation>Pausenminuten</translation>
    </message>
    <message>
        <source>Sound of the work bell</source>
        <translation>Klang der Unterrichtsklingel</translation>
    </message>
    <message>
        <source>Sound of the rest bell</source>
        <translation>Klang der Pausenklingel</translation>
    </message>
    <message>
        <source>Minutes after the start bell</source>
        <translation>Minuten nach der Startklingel</translation>
    </message>
    <message>
        <source>Sound of the alarm after the start bell</source>
        <translation>Klang des Alarms nach der Startklingel</translation>
    </message>
    <message>
        <source>Minutes before the end bell</source>
        <translation>Minuten vor der Endklingel</translation>
    </message>
    <message>
        <source>Sound of the alarm before the end bell</source>
        <translation>Klang des Alarms vor der Endklingel</translation>
    </message>
    <message>
        <source>Hour of the new time</source>
        <translation>Stunde der neuen Zeit</translation>
    </message>
    <message>
        <source>Minute of the new time (Enter adds it)</source>
        <translation>Minute der neuen Zeit (Eingabe fügt sie hinzu)</translation>
    </message>
    <message>
        <source>Added times (Del deletes)</source>
        <translation>Eingetragene Zeiten (Entf löscht)</translation>
    </message>
    <message>
        <source>Apply the selected sound to the work bell</source>
        <translation>Gewählten Klang für die Unterrichtsklingel übernehmen</translation>
    </message>
    <message>
        <source>Apply the selected sound to the rest bell</source>
        <translation>Gewählten Klang für die Pausenklingel übernehmen</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm after the start bell</source>
        <translation>Gewählten Klang für den Alarm nach der Startklingel übernehmen</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm before the end bell</source>
        <translation>Gewählten Klang für den Alarm vor der Endklingel übernehmen</translation>
    </message>
    <message>
        <source>Open Window</source>
        <translation>Fenster öffnen</translation>
    </message>
    <message>
        <source>Align to school clock</source>
        <translation>An Schuluhr angleichen</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Kopieren nach...</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Klang hinzufügen...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Plays the selected sound for a test; a bell ends it.</source>
        <translation>Spielt den gewählten Klang zur Probe; eine Klingel beendet ihn.</translation>
    </message>
    <message>
        <source>&amp;Play music list</source>
        <translation>&amp;Musikliste abspielen</translation>
    </message>
    <message>
        <source>Countdown next &amp;bell</source>
        <translation>Countdown bis zum nächsten &amp;Klingeln</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Countdown</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Infomation</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>Holi&amp;days</source>
        <translation>&amp;Ferien</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>&amp;Ausgänge</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>A&amp;larme</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>Zu sprechender Text</translation>
    </message>
    <message>
        <source>Spoken at once on the bells&apos; outputs.</source>
        <translation>Wird sofort auf den Ausgängen der Klingeln gesprochen.</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Sprechen</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <translation>Wählen Sie einen Klingelton unter [Klingelton wählen]</translation>
    </message>
    <message>
        <source>Invalid music folder name. (Format : minutes_music folder name)</source>
        <translation>Ungültiger Name des Musikordners (Form: Minuten_Name)</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>Stunde: bitte eine Zahl von 0 bis 23 eingeben</translation>
    </message>
    <message>
        <source>(Minute)Please input digit between 0 and 59</source>
        <translation>Minute: bitte eine Zahl von 0 bis 59 eingeben</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <translation>Diese Zeit ist schon eingetragen.</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>Wählen Sie die zu löschende Zeit unter [Eingetragene Zeiten]</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>Wählen Sie die zu ändernde Zeit unter [Eingetragene Zeiten]</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>Wählen Sie einen Klingelton unter [Klingelton wählen]</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Wählen Sie einen Klingelton unter [Klingelton wählen]</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one sound file</source>
        <translation>Der Klangordner muss mindestens eine Klangdatei enthalten</translation>
    </message>
    <message>
        <source>nothing added time. please add time.</source>
        <translation>Es ist keine Zeit eingetragen. Bitte fügen Sie eine Zeit hinzu.</translation>
    </message>
    <message>
        <source>Please input exit minute</source>
        <translation>Bitte die Endminute eingeben</translation>
    </message>
    <message>
        <source>Please input start hour</source>
        <translation>Bitte die Startstunde eingeben</translation>
    </message>
    <message>
        <source>Please input start minute</source>
        <translation>Bitte die Startminute eingeben</translation>
    </message>
    <message>
        <source>Please input end hour</source>
        <translation>Bitte die Endstunde eingeben</translation>
    </message>
    <message>
        <source>(End minute)Please input digit between 0 and 59</source>
        <translation>Endminute: bitte eine Zahl von 0 bis 59 eingeben</translation>
    </message>
    <message>
        <source>(Start Hour)Please input digit between 0 and 23</source>
        <translation>Startstunde: bitte eine Zahl von 0 bis 23 eingeben</translation>
    </message>
    <message>
        <source>(Start minute)Please input digit between 0 and 59</source>
        <translation>Startminute: bitte eine Zahl von 0 bis 59 eingeben</translation>
    </message>
    <message>
        <source>(End hour)Please input digit between 0 and 23</source>
        <translation>Endstunde: bitte eine Zahl von 0 bis 23 eingeben</translation>
    </message>
    <message>
        <source>(Work time)must over 1 minute</source>
        <translation>Die Unterrichtszeit muss mindestens 1 Minute betragen</translation>
    </message>
    <message>
        <source>(rest time)must over 1 minute</source>
        <translation>Die Pausenzeit muss mindestens 1 Minute betragen</translation>
    </message>
    <message>
        <source>must end time bigger then start time</source>
        <translation>Die Endzeit muss nach der Startzeit liegen</translation>
    </message>
    <message>
        <source>(Alarm after start bell time)Please input digit between 1 and 99</source>
        <translation>Alarm nach der Startklingel: bitte eine Zahl von 1 bis 99 eingeben</translation>
    </message>
    <message>
        <source>(Alarm before end bell time)Please input digit between 1 and 99</source>
        <translation>Alarm vor der Endklingel: bitte eine Zahl von 1 bis 99 eingeben</translation>
    </message>
    <message>
        <source>Sum of [Alarm after start bell time minute] and [Alarm before end bell minute] is must not over work time.</source>
        <translation>Die Alarmminuten nach der Startklingel und vor der Endklingel müssen zusammen kürzer als die Unterrichtszeit sein.</translation>
    </message>
    <message>
        <source>Start time and end time is must over sum of work time and rest time.</source>
        <translation>Die Zeit von Start bis Ende muss länger sein als Unterrichts- und Pausenzeit zusammen.</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one mp3 or wav or wma sound file</source>
        <translation>Der Klangordner muss mindestens eine mp3-, wav- oder wma-Datei enthalten</translation>
    </message>
    <message>
        <source>Not exist selected bell in sound folder.</source>
        <translation>Der gewählte Klingelton ist nicht im Klangordner.</translation>
    </message>
    <message>
        <source>Music file must exist more than one in music list folder, except file name starting ##</source>
        <translation>Der Musiklistenordner muss mindestens eine Musikdatei enthalten, deren Name nicht mit ## beginnt</translation>
    </message>
    <message>
        <source>An emergency signal sounds: no bell is rung until All clear.</source>
        <translation>Ein Notfallsignal ertönt: Bis zur Entwarnung läutet keine Klingel.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>%1 may be read by others and is not used (chmod 600 it)</source>
        <translation>%1 ist für andere lesbar und wird nicht verwendet (chmod 600 darauf anwenden)</translation>
    </message>
    <message>
        <source>calendars.ini line %1: %2</source>
        <translation>calendars.ini Zeile %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address and no setting</source>
        <translation>„%1“ ist weder eine Adresse noch eine Einstellung</translation>
    </message>
    <message>
        <source>refresh is a number of hours, 1 .. 168</source>
        <translation>refresh ist eine Zahl von Stunden, 1 .. 168</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting (refresh, ca)</source>
        <translation>„%1“ ist keine Einstellung (refresh, ca)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no https:// or webcal:// address</source>
        <translation>„%1“ ist keine https://- oder webcal://-Adresse</translation>
    </message>
    <message>
        <source>http:// is only for the local network; %1 needs https://</source>
        <translation>http:// gilt nur im lokalen Netz; %1 braucht https://</translation>
    </message>
    <message>
        <source>it would silence %1 of the %2 school days of %3</source>
        <translation>sie würde %1 der %2 Schultage im %3 stumm schalten</translation>
    </message>
    <message>
        <source>it would change %1 school days at once (more than %2)</source>
        <translation>sie würde %1 Schultage auf einmal ändern (mehr als %2)</translation>
    </message>
    <message>
        <source>Days without bells added: %1</source>
        <translation>Hinzugefügte Tage ohne Klingeln: %1</translation>
    </message>
    <message>
        <source>Days without bells removed: %1</source>
        <translation>Entfernte Tage ohne Klingeln: %1</translation>
    </message>
    <message>
        <source>Days with other bells: %1</source>
        <translation>Tage mit anderen Klingelzeiten: %1</translation>
    </message>
</context>
<context>
    <name>TimeSync</name>
    <message>
        <source>behind</source>
        <translation>nach</translation>
    </message>
    <message>
        <source>ahead</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>No answer from %1 since %2</source>
        <translation>Keine Antwort von %1 seit %2</translation>
    </message>
    <message>
        <source>Clock agrees with %1 at %2</source>
        <translation>Die Uhr stimmt um %2 mit %1 überein</translation>
    </message>
    <message>
        <source>Clock set from %1 at %2</source>
        <translation>Uhr um %2 nach %1 gestellt</translation>
    </message>
    <message>
        <source>Held back: %1 says this computer is %2 s %3. A change over 60 s needs %4 answers at least 64 s apart that agree within 1 s; %5 so far</source>
        <translation>Zurückgehalten: Laut %1 geht dieser Computer %2 s %3. Eine Änderung über 60 s braucht %4 Antworten im Abstand von mindestens 64 s, die auf 1 s übereinstimmen; bisher %5</translation>
    </message>
    <message>
        <source>Bells follow %1: this computer is %2 s %3</source>
        <translation>Die Klingeln folgen %1: Dieser Computer geht %2 s %3</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Log out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Nächste Klingel</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Jetzt klingeln</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klingelton</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Klingel stoppen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Heutige Klingelzeiten</translation>
    </message>
    <message>
        <source>Last rings</source>
        <translation>Letzte Klingeln</translation>
    </message>
    <message>
        <source>Internet time: </source>
        <translation>Internetzeit: </translation>
    </message>
    <message>
        <source>Time: PC clock</source>
        <translation>Zeit: PC-Uhr</translation>
    </message>
    <message>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <source>en</source>
        <translation>de</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>FERIEN</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Too many failed log-ins: wait %1 s</source>
        <translation>Zu viele fehlgeschlagene Anmeldungen: %1 s warten</translation>
    </message>
    <message>
        <source>Busy: try again</source>
        <translation>Beschäftigt: bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Stop the schedule? No bell rings until it is started again.</source>
        <translation>Den Plan stoppen? Keine Klingel läutet, bis er wieder gestartet wird.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A file could not be read: %1 (the initial settings are used)</source>
        <translation>Eine Datei konnte nicht gelesen werden: %1 (die Anfangseinstellungen gelten)</translation>
    </message>
    <message>
        <source>The schedule is running.</source>
        <translation>Der Plan läuft.</translation>
    </message>
    <message>
        <source>The schedule is stopped.</source>
        <translation>Der Plan ist gestoppt.</translation>
    </message>
    <message>
        <source>Say now</source>
        <translation>Jetzt sprechen</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>Zu sprechender Text</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Sprechen</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Klingeln</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Vorlage %1</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Changed meanwhile elsewhere: shown as it is now</source>
        <translation>Inzwischen anderswo geändert: so angezeigt, wie es jetzt ist</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(kein Klang)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Time mode</source>
        <translation>Zeitmodus</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>Automatische Abstände</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Manuelle Eingabe</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>Ganze Woche</translation>
    </message>
    <message>
        <source>Set each day</source>
        <translation>Jeder Tag einzeln</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>Keine Klingel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Kopieren nach...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Settings of</source>
        <translation>Einstellungen für</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Work (minutes)</source>
        <translation>Unterricht (Minuten)</translation>
    </message>
    <message>
        <source>Rest (minutes)</source>
        <translation>Pause (Minuten)</translation>
    </message>
    <message>
        <source>Start bell</source>
        <translation>Startklingel</translation>
    </message>
    <message>
        <source>End bell</source>
        <translation>Endklingel</translation>
    </message>
    <message>
        <source>Alarm after start bell</source>
        <translation>Alarm nach der Startklingel</translation>
    </message>
    <message>
        <source>Minutes after</source>
        <translation>Minuten danach</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Klang des Alarms</translation>
    </message>
    <message>
        <source>Alarm before end bell</source>
        <translation>Alarm vor der Endklingel</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minuten davor</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Emergency signals</source>
        <translation>Notfallsignale</translation>
    </message>
    <message>
        <source>Repeat (seconds)</source>
        <translation>Wiederholung (Sekunden)</translation>
    </message>
    <message>
        <source>Unknown signal.</source>
        <translation>Unbekanntes Signal.</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>Eine Klingel läutet gerade.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>Der Klang konnte nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <translation>Notfallsignal: %1</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Notfallsignal</translation>
    </message>
    <message>
        <source>Hold a button for 2 seconds.</source>
        <translation>Eine Taste 2 Sekunden lang halten.</translation>
    </message>
    <message>
        <source>Lockdown</source>
        <translation>Amok-Alarm</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>Räumung</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Entwarnung</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>Keine Klingel</translation>
    </message>
    <message>
        <source>Bells of %1</source>
        <translation>Klingeln von %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Klang hinzufügen...</translation>
    </message>
    <message>
        <source>Import it all the same</source>
        <translation>Trotzdem importieren</translation>
    </message>
    <message>
        <source>Import these days</source>
        <translation>Diese Tage importieren</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Ferien</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Klingeln</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>Ferienkalender importieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Outputs (one a line; none: the default output)</source>
        <translation>Ausgänge (einer pro Zeile; keiner: der Standardausgang)</translation>
    </message>
    <message>
        <source>School clock ahead (seconds)</source>
        <translation>Schuluhr geht vor (Sekunden)</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Internetzeit</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>Kein PC-Ton</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>Start bei der Anmeldung</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>Geplant ausschalten</translation>
    </message>
    <message>
        <source>Exit time</source>
        <translation>Ausschaltzeit</translation>
    </message>
</context>
<context>
    <name>WebPasswordCommand</name>
    <message>
        <source>New web page password: </source>
        <translation>Neues Passwort der Webseite: </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Noch einmal dasselbe: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>es wurde kein Passwort eingegeben</translation>
    </message>
    <message>
        <source>the password is longer than 1024 bytes</source>
        <translation>das Passwort ist länger als 1024 Bytes</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>die beiden Passwörter sind verschieden</translation>
    </message>
    <message>
        <source>the password could not be hashed (out of memory)</source>
        <translation>das Passwort konnte nicht gehasht werden (kein Speicher frei)</translation>
    </message>
    <message>
        <source>tollix: %1; nothing was written</source>
        <translation>tollix: %1; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1</source>
        <translation>Das Passwort der Webseite steht in %1</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1 (the page stays off until a port is set)</source>
        <translation>Das Passwort der Webseite steht in %1 (die Seite bleibt aus, bis ein Port eingestellt ist)</translation>
    </message>
    <message>
        <source>the password is shorter than %1 characters</source>
        <translation>das Passwort ist kürzer als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error Number : 
</source>
        <translation>Fehler: 
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The public time servers are used.</source>
        <translation>Eine Datei konnte nicht gelesen werden: %1
Die öffentlichen Zeitserver werden verwendet.</translation>
    </message>
    <message>
        <source>TOLLIX runs already; it is not started a second time.</source>
        <translation>TOLLIX läuft bereits; es wird nicht ein zweites Mal gestartet.</translation>
    </message>
    <message>
        <source>TOLLIX runs as a service and rings the bells; it is not started a second time.</source>
        <translation>TOLLIX läuft als Dienst und läutet die Glocken; es wird nicht ein zweites Mal gestartet.</translation>
    </message>
    <message>
        <source>TOLLIX does not run.</source>
        <translation>TOLLIX läuft nicht.</translation>
    </message>
    <message>
        <source>TOLLIX does not run: the signal was not given.</source>
        <translation>TOLLIX läuft nicht: Das Signal wurde nicht ausgelöst.</translation>
    </message>
    <message>
        <source>No new copy of the calendar %1 waits for acceptance.</source>
        <translation>Für den Kalender %1 wartet keine neue Fassung auf Bestätigung.</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The signals sound in this building only.</source>
        <translation>Eine Datei konnte nicht gelesen werden: %1
Die Signale ertönen nur in diesem Gebäude.</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmBanner</name>
    <message>
        <source>Every bell is held until All clear.</source>
        <translation>Alle Klingeln ruhen bis zur Entwarnung.</translation>
    </message>
    <message>
        <source>All clear...</source>
        <translation>Entwarnung...</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Entwarnung</translation>
    </message>
    <message>
        <source>End the signal and ring the bells again?</source>
        <translation>Das Signal beenden und die Klingeln wieder läuten lassen?</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmWindow</name>
    <message>
        <source>Lockdown</source>
        <translation>Amok-Alarm</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>Räumung</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Entwarnung</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Lockdown...</source>
        <translation>Amok-Alarm...</translation>
    </message>
    <message>
        <source>Evacuation...</source>
        <translation>Räumung...</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Again after (s, 0: at once)</source>
        <translation>Erneut nach (s, 0: sofort)</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>The sound cannot be tried now: a bell or a signal sounds, or the file cannot be played.</source>
        <translation>Der Klang kann jetzt nicht getestet werden: Eine Klingel oder ein Signal ertönt, oder die Datei kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>Sound the %1 signal on every speaker now?
Every bell is held until All clear.</source>
        <translation>Das Signal „%1“ jetzt auf allen Lautsprechern auslösen?
Alle Klingeln ruhen bis zur Entwarnung.</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>Die Einstellung konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>tollix::CopyToDialog</name>
    <message>
        <source>Copy to...</source>
        <translation>Kopieren nach...</translation>
    </message>
</context>
<context>
    <name>tollix::FramelessWindow</name>
    <message>
        <source>TOLLIX-Stop</source>
        <translation>TOLLIX – angehalten</translation>
    </message>
    <message>
        <source>TOLLIX-Excuting...</source>
        <translation>TOLLIX – läuft</translation>
    </message>
</context>
<context>
    <name>tollix::FrmBellCount</name>
    <message>
        <source>Countdown next bell</source>
        <translation>Countdown bis zum nächsten Klingeln</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tollix::FrmCountDown</name>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>Std</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>Sek</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Verbleibende Zeit</translation>
    </message>
</context>
<context>
    <name>tollix::FrmFullScreen</name>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Small window</source>
        <translation>Kleines Fenster</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>tollix::FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <translation>Der Internet-Zeitserver war nicht erreichbar, daher kann die Uhrzeit nicht korrigiert werden.</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <translation>Bitte prüfen Sie, ob das Netzwerk funktioniert.</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <translation>Erscheint diese Warnung oft, ist das Netzwerk unzuverlässig, und die Internetzeit kann nicht genutzt werden.</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of TOLLIX main window.</source>
        <translation>Schalten Sie dann bitte das Kästchen [Internetzeit] im TOLLIX-Hauptfenster aus.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tollix::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Keyboard&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Ctrl+S&lt;/b&gt; Start, &lt;b&gt;Ctrl+T&lt;/b&gt; Stop, &lt;b&gt;Ctrl+R&lt;/b&gt; Ring now, &lt;b&gt;Esc&lt;/b&gt; stops the bell that sounds. &lt;b&gt;Enter&lt;/b&gt; in the minute field adds the time, &lt;b&gt;Del&lt;/b&gt; in the list deletes the selected time. &lt;b&gt;Tab&lt;/b&gt; goes from control to control; the arrow keys and the mouse wheel change the numbers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tastatur&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Strg+S&lt;/b&gt; Start, &lt;b&gt;Strg+T&lt;/b&gt; Stopp, &lt;b&gt;Strg+R&lt;/b&gt; Jetzt klingeln, &lt;b&gt;Esc&lt;/b&gt; beendet die Klingel, die gerade läutet. &lt;b&gt;Eingabe&lt;/b&gt; im Minutenfeld fügt die Zeit hinzu, &lt;b&gt;Entf&lt;/b&gt; in der Liste löscht die gewählte Zeit. &lt;b&gt;Tab&lt;/b&gt; springt von Element zu Element; die Pfeiltasten und das Mausrad ändern die Zahlen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;The bell ringer for schools and workplaces.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Program folder&lt;/b&gt; (settings and sounds):&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ring record&lt;/b&gt; (every bell and what became of it):&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Copyright 2026 the Tollix developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;Die Klingel für Schulen und Arbeitsplätze.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Programmordner&lt;/b&gt; (Einstellungen und Klänge):&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;Klingelprotokoll&lt;/b&gt; (jedes Klingeln und was daraus wurde):&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Copyright 2026 die Tollix-Entwickler. Alle Rechte vorbehalten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Points of caution&lt;/h3&gt;&lt;p&gt;&lt;b&gt;The clock is the 24-hour clock.&lt;/b&gt; 5 PM is 17 hr, midnight is 0 hr. A bell at 17 hr 30 min rings at half past five in the afternoon.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sounds&lt;/b&gt; are the .mp3, .wav, .wma, .ogg and .flac files in the sound folder:&lt;br&gt;%1&lt;br&gt;Copy your bells there, or use &quot;Add sound...&quot; under the list: the list of sounds follows the folder while TOLLIX runs.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Auto interval&lt;/b&gt; makes the bells for you: from the start time, a work bell, then after the work time a rest bell, then after the rest time the next work bell, and so on until the end time. &lt;b&gt;Manual input&lt;/b&gt; rings only the times you add to the list, each with its own sound.&lt;/p&gt;&lt;p&gt;&lt;b&gt;No com sound&lt;/b&gt; keeps the speakers silent between bells, so music or videos of other programs are not heard in class. The speakers are on for each bell and again when TOLLIX ends.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Bitte beachten&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Die Uhr ist eine 24-Stunden-Uhr.&lt;/b&gt; 17 Uhr ist 17 Std, Mitternacht ist 0 Std. Eine Klingel um 17 Std 30 Min läutet um halb sechs am Nachmittag.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Klänge&lt;/b&gt; sind die .mp3-, .wav-, .wma-, .ogg- und .flac-Dateien im Klangordner:&lt;br&gt;%1&lt;br&gt;Kopieren Sie Ihre Klingeltöne dorthin oder nutzen Sie „Klang hinzufügen...“ unter der Liste: Die Klangliste folgt dem Ordner, solange TOLLIX läuft.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Automatische Abstände&lt;/b&gt; erzeugt die Klingelzeiten für Sie: ab der Startzeit eine Unterrichtsklingel, nach der Unterrichtszeit eine Pausenklingel, nach der Pausenzeit die nächste Unterrichtsklingel und so weiter bis zur Endzeit. &lt;b&gt;Manuelle Eingabe&lt;/b&gt; läutet nur zu den Zeiten, die Sie in die Liste eintragen, jede mit ihrem eigenen Klang.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Kein PC-Ton&lt;/b&gt; hält die Lautsprecher zwischen den Klingelzeichen stumm, damit Musik oder Videos anderer Programme im Unterricht nicht zu hören sind. Zu jedem Klingeln und beim Beenden von TOLLIX sind die Lautsprecher wieder an.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Play music list&lt;/h3&gt;&lt;p&gt;A bell can be a list of music instead of one sound, for example during a break.&lt;/p&gt;&lt;p&gt;Make a folder inside the sound folder (%1) and name it with the number of minutes it plays, an underscore and a name: &lt;b&gt;15_lunch&lt;/b&gt; plays for 15 minutes.&lt;/p&gt;&lt;p&gt;Put .mp3, .wav, .wma, .ogg or .flac files in it. They play one after another in the order of their names, and again from the first until the minutes are over. A file whose name starts with &lt;b&gt;##&lt;/b&gt; plays once at the beginning.&lt;/p&gt;&lt;p&gt;In the last four seconds the music fades out. A new folder appears in the list of sounds by itself, a moment after it is made.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Musikliste abspielen&lt;/h3&gt;&lt;p&gt;Eine Klingel kann statt eines Klangs eine Musikliste sein, zum Beispiel in einer Pause.&lt;/p&gt;&lt;p&gt;Legen Sie im Klangordner (%1) einen Ordner an und benennen Sie ihn mit der Zahl der Minuten, die er spielt, einem Unterstrich und einem Namen: &lt;b&gt;15_lunch&lt;/b&gt; spielt 15 Minuten.&lt;/p&gt;&lt;p&gt;Legen Sie .mp3-, .wav-, .wma-, .ogg- oder .flac-Dateien hinein. Sie spielen nacheinander in der Reihenfolge ihrer Namen und wieder von vorn, bis die Minuten um sind. Eine Datei, deren Name mit &lt;b&gt;##&lt;/b&gt; beginnt, spielt einmal am Anfang.&lt;/p&gt;&lt;p&gt;In den letzten vier Sekunden wird die Musik ausgeblendet. Ein neuer Ordner erscheint kurz nach dem Anlegen von selbst in der Klangliste.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tollix::HolidaysWindow</name>
    <message>
        <source>Holidays</source>
        <translation>Ferien</translation>
    </message>
    <message>
        <source>Name, for example Winter holidays</source>
        <translation>Name, zum Beispiel Winterferien</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>Keine Klingel</translation>
    </message>
    <message>
        <source>Make-up day with the bells of</source>
        <translation>Ersatztag mit den Klingelzeiten von</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import calendar (.ics)...</source>
        <translation>Kalender importieren (.ics)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>A date or a range</source>
        <translation>Ein Datum oder ein Zeitraum</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Make-up day</source>
        <translation>Ersatztag</translation>
    </message>
    <message>
        <source>Rules of %1</source>
        <translation>Regeln aus %1</translation>
    </message>
    <message>
        <source>The file cannot be used: %1</source>
        <translation>Die Datei kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Line %1 is not read: %2</source>
        <translation>Zeile %1 wird nicht gelesen: %2</translation>
    </message>
    <message>
        <source>Select a rule to delete.</source>
        <translation>Wählen Sie eine Regel zum Löschen.</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>Ferienkalender importieren</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 wurde nicht importiert: %2</translation>
    </message>
    <message>
        <source>Import it all the same?</source>
        <translation>Trotzdem importieren?</translation>
    </message>
    <message>
        <source>Import these days?</source>
        <translation>Diese Tage importieren?</translation>
    </message>
    <message>
        <source>%1 holidays imported</source>
        <translation>%1 Ferientage importiert</translation>
    </message>
    <message>
        <source>, %1 events with a time of day skipped</source>
        <translation>, %1 Termine mit Uhrzeit übersprungen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The holidays cannot be saved: %1</source>
        <translation>Die Ferien können nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Days without bells and make-up days</source>
        <translation>Tage ohne Klingeln und Ersatztage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Weekday whose bells ring</source>
        <translation>Wochentag, dessen Klingelzeiten gelten</translation>
    </message>
    <message>
        <source>Special day with the bells of</source>
        <translation>Sondertag mit den Klingelzeiten von</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Vorlage %1</translation>
    </message>
    <message>
        <source>Special day</source>
        <translation>Sondertag</translation>
    </message>
    <message>
        <source>Template of the special day</source>
        <translation>Vorlage des Sondertags</translation>
    </message>
    <message>
        <source>Templet %1 holds no bells: a special day with it would ring nothing. Put its bells in first.</source>
        <translation>Vorlage %1 enthält keine Klingeln: Ein Sondertag damit würde nichts läuten. Tragen Sie zuerst ihre Klingeln ein.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>From the subscribed calendar %1</source>
        <translation>Aus dem abonnierten Kalender %1</translation>
    </message>
    <message>
        <source>Subscribed: %1, %2 rules</source>
        <translation>Abonniert: %1, %2 Regeln</translation>
    </message>
    <message>
        <source>, fetched %1</source>
        <translation>, abgerufen %1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation> (http: nur im lokalen Netz)</translation>
    </message>
    <message>
        <source>The last fetch failed: %1; the last good copy is used.</source>
        <translation>Der letzte Abruf ist fehlgeschlagen: %1; die letzte gute Fassung wird verwendet.</translation>
    </message>
    <message>
        <source>A new copy of %1 waits: %2
%3</source>
        <translation>Eine neue Fassung von %1 wartet: %2
%3</translation>
    </message>
    <message>
        <source>Take the new copy of %1</source>
        <translation>Neue Fassung von %1 übernehmen</translation>
    </message>
    <message>
        <source>Take the new copy of %1 with the days it changes?</source>
        <translation>Die neue Fassung von %1 mit den Tagen übernehmen, die sie ändert?</translation>
    </message>
</context>
<context>
    <name>tollix::MenuWindows</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Play music list</source>
        <translation>Musikliste abspielen</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>tollix::OutputsWindow</name>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Outputs the bells play on</source>
        <translation>Ausgänge, auf denen die Klingeln spielen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
    <message>
        <source>The bells play on every output ticked, all at once.
None ticked: the default output. Another computer&apos;s speakers are an output too
(a network sink of the sound server: see the README). Relays and IP speakers
listed below the outputs switch and play with every bell.</source>
        <translation>Die Klingeln spielen gleichzeitig auf jedem angekreuzten Ausgang.
Keiner angekreuzt: der Standardausgang. Auch die Lautsprecher eines anderen Computers sind ein Ausgang
(eine Netzwerk-Senke des Soundservers: siehe README). Relais und IP-Lautsprecher
unter den Ausgängen schalten und spielen bei jeder Klingel.</translation>
    </message>
    <message>
        <source>Rings the selected bell on the outputs ticked, or switches the selected relay, or plays the bell on the selected IP speakers</source>
        <translation>Spielt den gewählten Klingelton auf den angekreuzten Ausgängen, schaltet das gewählte Relais oder spielt die Klingel auf den gewählten IP-Lautsprechern</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Takes the selected relay or IP speakers off the list</source>
        <translation>Nimmt das gewählte Relais oder die gewählten IP-Lautsprecher aus der Liste</translation>
    </message>
    <message>
        <source>Relay ON command</source>
        <translation>Einschaltbefehl des Relais</translation>
    </message>
    <message>
        <source>Relay OFF command</source>
        <translation>Ausschaltbefehl des Relais</translation>
    </message>
    <message>
        <source>Seconds the relay stays on</source>
        <translation>Sekunden, die das Relais eingeschaltet bleibt</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>for the sound</source>
        <translation>so lange wie der Klang</translation>
    </message>
    <message>
        <source>Add relay</source>
        <translation>Relais hinzufügen</translation>
    </message>
    <message>
        <source>Relay (a hard-wired bell)</source>
        <translation>Relais (eine fest verdrahtete Klingel)</translation>
    </message>
    <message>
        <source>ON command:</source>
        <translation>Einschaltbefehl:</translation>
    </message>
    <message>
        <source>OFF command:</source>
        <translation>Ausschaltbefehl:</translation>
    </message>
    <message>
        <source>On for:</source>
        <translation>Einschaltdauer:</translation>
    </message>
    <message>
        <source>Multicast group of the IP speakers</source>
        <translation>Multicast-Gruppe der IP-Lautsprecher</translation>
    </message>
    <message>
        <source>Port of the IP speakers</source>
        <translation>Port der IP-Lautsprecher</translation>
    </message>
    <message>
        <source>Add IP speakers</source>
        <translation>IP-Lautsprecher hinzufügen</translation>
    </message>
    <message>
        <source>IP speakers (multicast RTP, G.711)</source>
        <translation>IP-Lautsprecher (Multicast-RTP, G.711)</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Relay: %1</source>
        <translation>Relais: %1</translation>
    </message>
    <message>
        <source> (on for %1 s)</source>
        <translation> (%1 s eingeschaltet)</translation>
    </message>
    <message>
        <source>IP speakers: %1:%2</source>
        <translation>IP-Lautsprecher: %1:%2</translation>
    </message>
    <message>
        <source>%1 (unusable: %2)</source>
        <translation>%1 (unbrauchbar: %2)</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Nicht hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Not tried: a bell sounds on it now, or no bell is selected.</source>
        <translation>Nicht getestet: Darauf läutet gerade eine Klingel, oder keine Klingel ist gewählt.</translation>
    </message>
</context>
<context>
    <name>tollix::QtCalendarFetch</name>
    <message>
        <source>the certificate authority %1 cannot be read</source>
        <translation>die Zertifizierungsstelle %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the calendar is larger than 16 MB</source>
        <translation>der Kalender ist größer als 16 MB</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>der Server antwortete %1 %2</translation>
    </message>
</context>
<context>
    <name>tollix::RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>Klingelprotokoll</translation>
    </message>
    <message>
        <source>The last %1 bells, newest at the bottom. Kept in %2</source>
        <translation>Die letzten %1 Klingelzeichen, das neueste unten. Gespeichert in %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No bell has rung yet.</source>
        <translation>Es hat noch nicht geklingelt.</translation>
    </message>
</context>
<context>
    <name>tollix::SchoolClockWindow</name>
    <message>
        <source>Align to school clock</source>
        <translation>An Schuluhr angleichen</translation>
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
        <translation>Zu jeder vollen Minute klingeln</translation>
    </message>
    <message>
        <source>The selected bell rings at every full minute of school time while this is checked: move the clock until it rings with the school&apos;s.</source>
        <translation>Solange dies angekreuzt ist, klingelt der gewählte Klingelton zu jeder vollen Minute der Schulzeit: verstellen Sie die Uhr, bis er mit der Schulklingel klingelt.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The school&apos;s clocks are ahead by</source>
        <translation>Die Uhren der Schule gehen vor um</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s wall clocks are ahead of this computer&apos;s time (behind: less than 0).
Every bell, clock and countdown of TOLLIX goes by school time.</source>
        <translation>Sekunden, die die Wanduhren der Schule gegenüber der Zeit dieses Computers vorgehen (nachgehen: weniger als 0).
Jede Klingel, Uhr und jeder Countdown von TOLLIX richtet sich nach der Schulzeit.</translation>
    </message>
    <message>
        <source>School clock: %1 s ahead</source>
        <translation>Schuluhr: %1 s vor</translation>
    </message>
    <message>
        <source>School clock: %1 s behind</source>
        <translation>Schuluhr: %1 s nach</translation>
    </message>
    <message>
        <source>School time %1:%2:%3</source>
        <translation>Schulzeit %1:%2:%3</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s clocks are ahead</source>
        <translation>Sekunden, die die Schuluhren vorgehen</translation>
    </message>
</context>
<context>
    <name>tollix::SoundListPanel</name>
    <message>
        <source>Add sound</source>
        <translation>Klang hinzufügen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>Eine Klingel läutet gerade.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>Der Klang konnte nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>The sound folder holds another %1. Replace it?</source>
        <translation>Der Klangordner enthält bereits ein anderes %1. Ersetzen?</translation>
    </message>
    <message>
        <source>Not added:%1</source>
        <translation>Nicht hinzugefügt:%1</translation>
    </message>
    <message>
        <source>Sounds (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</source>
        <translation>Klänge (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</translation>
    </message>
    <message>
        <source>Cannot be spoken: %1</source>
        <translation>Kann nicht gesprochen werden: %1</translation>
    </message>
</context>
<context>
    <name>tollix::WebPageWindow</name>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Port (0: off)</source>
        <translation>Port (0: aus)</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>The same again</source>
        <translation>Noch einmal dasselbe</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Die beiden Passwörter sind verschieden.</translation>
    </message>
    <message>
        <source>Set a password first.</source>
        <translation>Legen Sie zuerst ein Passwort fest.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>The password could not be hashed.</source>
        <translation>Das Passwort konnte nicht gehasht werden.</translation>
    </message>
    <message>
        <source>The page is off: %1</source>
        <translation>Die Seite ist aus: %1</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>Die Seite ist aus.</translation>
    </message>
    <message>
        <source>Open %1 on a computer or phone of the school&apos;s network.</source>
        <translation>Öffnen Sie %1 auf einem Computer oder Telefon im Netz der Schule.</translation>
    </message>
    <message>
        <source>The password is shorter than %1 characters.</source>
        <translation>Das Passwort ist kürzer als %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>tollix::isAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <translation>Geplantes Ausschalten des Computers</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <translation>Ausschaltzeit (24-Stunden-Uhr)</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>Std</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>Stunde: bitte eine Zahl von 0 bis 23 eingeben</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>Minuten: bitte eine Zahl von 0 bis 59 eingeben</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
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
        <translation>Start bei der Anmeldung</translation>
    </message>
    <message>
        <source>Auto execution way</source>
        <translation>Art des Starts bei der Anmeldung</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <translation>Im Infobereich starten</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <translation>Mit sichtbarem Fenster starten</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>tollix::main</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The initial settings are used, and the file is kept as it is until a setting it holds is changed.</source>
        <translation>Eine Datei konnte nicht gelesen werden: %1
Die Anfangseinstellungen werden verwendet; die Datei bleibt unverändert, bis eine ihrer Einstellungen geändert wird.</translation>
    </message>
    <message>
        <source>The ring record cannot be kept: %1
The bells ring all the same.</source>
        <translation>Das Klingelprotokoll kann nicht geführt werden: %1
Die Klingeln läuten trotzdem.</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
    <message>
        <source>Reading the sound folder %1</source>
        <translation>Klangordner %1 wird gelesen</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Error Number : 
%1 failed: %2</source>
        <translation>Fehler:
%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>Die Einstellung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <translation>Klicken Sie auf die Pfeile rechts von [Tag wählen], um die Klingelzeiten jedes Tages einzustellen.</translation>
    </message>
    <message>
        <source>templet%1</source>
        <translation>Vorlage %1</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>No bells today: %1</source>
        <translation>Heute keine Klingel: %1</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>FERIEN</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Heute keine Klingel</translation>
    </message>
    <message>
        <source>Make-up day: %1&apos;s bells%2</source>
        <translation>Ersatztag: Klingelzeiten von %1%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>Alle Zeiten der Liste löschen?</translation>
    </message>
    <message>
        <source>Replace the %1 bells in the list with Templet %2?</source>
        <translation>Die %1 Klingelzeiten der Liste durch Vorlage %2 ersetzen?</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>Hält die Uhr des Computers nach der Internetzeit genau.</translation>
    </message>
    <message>
        <source>TOLLIX cannot be set to start at log-on: %1</source>
        <translation>TOLLIX kann nicht für den Start bei der Anmeldung eingerichtet werden: %1</translation>
    </message>
    <message>
        <source>The start entry at log-on could not be removed: %1</source>
        <translation>Der Starteintrag für die Anmeldung konnte nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>The computer could not be switched off at the reserved time.
%1</source>
        <translation>Der Computer konnte zur geplanten Zeit nicht ausgeschaltet werden.
%1</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <translation>TOLLIX nutzt den Internet-Zeitserver und hält die Uhr des Computers genau.</translation>
    </message>
    <message>
        <source>Stop all bells and exit TOLLIX?</source>
        <translation>Alle Klingeln anhalten und TOLLIX beenden?</translation>
    </message>
    <message>
        <source>Start every weekday from the week&apos;s list?</source>
        <translation>Jeden Wochentag mit der Wochenliste beginnen?</translation>
    </message>
    <message>
        <source>Special day: Templet %1%2</source>
        <translation>Sondertag: Vorlage %1%2</translation>
    </message>
    <message>
        <source>%1 hr %2 min %3 sec</source>
        <translation>%1 Std %2 Min %3 Sek</translation>
    </message>
    <message>
        <source>The list on screen is empty. These days would lose all their bells: %1
Copy the empty list?</source>
        <translation>Die angezeigte Liste ist leer. Diese Tage würden alle ihre Klingelzeiten verlieren: %1
Die leere Liste kopieren?</translation>
    </message>
    <message>
        <source>These days have bells of their own: %1
Replace them with the list on screen?</source>
        <translation>Diese Tage haben eigene Klingelzeiten: %1
Sie durch die angezeigte Liste ersetzen?</translation>
    </message>
    <message>
        <source>These special days would ring no bells, their template holds none:
%1</source>
        <translation>Diese Sondertage würden nicht läuten, ihre Vorlage enthält keine Klingeln:
%1</translation>
    </message>
    <message>
        <source>No bells set: nothing rings today or on the next five school days</source>
        <translation>Keine Klingeln eingestellt: heute und an den nächsten fünf Schultagen klingelt nichts</translation>
    </message>
    <message>
        <source>A file changed on disk could not be read: %1
The settings held are kept.</source>
        <translation>Eine auf der Festplatte geänderte Datei konnte nicht gelesen werden: %1
Die bisherigen Einstellungen bleiben.</translation>
    </message>
    <message>
        <source>The broker %1 cannot be reached: signals sound in this building only.</source>
        <translation>Der Broker %1 ist nicht erreichbar: Signale ertönen nur in diesem Gebäude.</translation>
    </message>
    <message>
        <source>Type the words to say.</source>
        <translation>Geben Sie den zu sprechenden Text ein.</translation>
    </message>
    <message>
        <source>At most %1 characters can be said.</source>
        <translation>Es können höchstens %1 Zeichen gesprochen werden.</translation>
    </message>
    <message>
        <source>Words cannot be spoken here.</source>
        <translation>Hier kann kein Text gesprochen werden.</translation>
    </message>
</context>
<context>
    <name>tollix::templet</name>
    <message>
        <source>Select templet</source>
        <translation>Vorlage wählen</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Vorlage %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
