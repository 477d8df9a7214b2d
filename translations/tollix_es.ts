<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BellEngine</name>
    <message>
        <source>Sun</source>
        <translation>dom</translation>
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
        <translation>mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
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
        <translation>dic</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <translation>DÍA SIGUIENTE</translation>
    </message>
    <message>
        <source>the file could not be played</source>
        <translation>no se pudo reproducir el archivo</translation>
    </message>
    <message>
        <source>no sound output</source>
        <translation>no hay salida de sonido</translation>
    </message>
    <message>
        <source>the speakers are muted</source>
        <translation>los altavoces están silenciados</translation>
    </message>
    <message>
        <source>Bell not heard: %1</source>
        <translation>Timbre no oído: %1</translation>
    </message>
</context>
<context>
    <name>CalendarSubscriptions</name>
    <message>
        <source>the new copy is refused: %1</source>
        <translation>la nueva versión se rechaza: %1</translation>
    </message>
    <message>
        <source>the copy cannot be kept: %1</source>
        <translation>la versión no se puede guardar: %1</translation>
    </message>
    <message>
        <source>no copy yet</source>
        <translation>todavía sin versión</translation>
    </message>
    <message>
        <source>%1 rules in force, fetched %2</source>
        <translation>%1 reglas en vigor, descargado %2</translation>
    </message>
    <message>
        <source>; the last fetch failed: %1</source>
        <translation>; la última descarga falló: %1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation> (http: solo red local)</translation>
    </message>
    <message>
        <source>a new copy waits for acceptance: %1 (tollix --refresh-calendars --accept %2 takes it)</source>
        <translation>una nueva versión espera su aceptación: %1 (tollix --refresh-calendars --accept %2 la acepta)</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2; its last copy is in force</source>
        <translation>no se pudo descargar el calendario %1: %2; sigue en vigor su última versión</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2</source>
        <translation>no se pudo descargar el calendario %1: %2</translation>
    </message>
    <message>
        <source>calendar %1: a new copy waits for acceptance: %2</source>
        <translation>calendario %1: una nueva versión espera su aceptación: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tollix rings the day&apos;s school bells through the speakers at their minute.</source>
        <translation>Tollix toca los timbres escolares del día por los altavoces a su minuto.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Prints the last 50 lines of the ring record and ends.</source>
        <translation>Imprime las últimas 50 líneas del registro de timbres y termina.</translation>
    </message>
    <message>
        <source>Uses &lt;folder&gt; as the program folder (its data/ and sound/).</source>
        <translation>Usa &lt;carpeta&gt; como carpeta del programa (sus data/ y sound/).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Adds the whole-day events of the iCalendar &lt;file&gt; to the days without bells, shows what it adds and ends. Exit status 1: the file or the holidays cannot be read or written; 3: the file looks like a calendar of school days, nothing is written (--yes takes it all the same).</source>
        <translation>Añade los eventos de día completo del &lt;archivo&gt; iCalendar a los días sin timbres, muestra lo que añade y termina. Estado de salida 1: no se puede leer o escribir el archivo o los festivos; 3: el archivo parece un calendario de días lectivos y no se escribe nada (--yes lo importa de todos modos).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>With --import-holidays: imports a calendar of school days too.</source>
        <translation>Con --import-holidays: importa también un calendario de días lectivos.</translation>
    </message>
    <message>
        <source>tollix: %1 (try --help)</source>
        <translation>tollix: %1 (pruebe --help)</translation>
    </message>
    <message>
        <source>tollix: unexpected argument &apos;%1&apos; (try --help)</source>
        <translation>tollix: argumento inesperado «%1» (pruebe --help)</translation>
    </message>
    <message>
        <source>Reads a new password for the web page from standard input, stores its hash in data/web.ini and ends.</source>
        <translation>Lee una contraseña nueva para la página web de la entrada estándar, guarda su hash en data/web.ini y termina.</translation>
    </message>
    <message>
        <source>tollix: --yes goes only with --import-holidays (try --help)</source>
        <translation>tollix: --yes solo va con --import-holidays (pruebe --help)</translation>
    </message>
    <message>
        <source>Rings the bells without a window or tray, for a computer without a screen; messages go to standard error. SIGTERM ends it.</source>
        <translation>Toca los timbres sin ventana ni bandeja, para un ordenador sin pantalla; los mensajes van a la salida de error estándar. SIGTERM lo termina.</translation>
    </message>
    <message>
        <source>Prints what the running copy does now (state, next bell, last ring, problems) and ends. Exit status 1: no copy runs.</source>
        <translation>Muestra lo que hace ahora la copia en marcha (estado, próximo timbre, último toque, problemas) y termina. Estado de salida 1: no hay ninguna copia en marcha.</translation>
    </message>
    <message>
        <source>Hands the emergency signal &lt;name&gt; (Lockdown or Evacuation) to the running copy, which sounds it until All clear, and ends. Exit status 1: no copy runs; 2: an unknown name.</source>
        <translation>Entrega la señal de emergencia &lt;nombre&gt; (Lockdown o Evacuation) a la copia en marcha, que la hace sonar hasta el fin de la alerta, y termina. Estado de salida 1: no hay ninguna copia en marcha; 2: un nombre desconocido.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Ends the emergency signal of the running copy and ends. Exit status 1: no copy runs.</source>
        <translation>Pone fin a la señal de emergencia de la copia en marcha y termina. Estado de salida 1: no hay ninguna copia en marcha.</translation>
    </message>
    <message>
        <source>Has the running copy fetch its subscribed calendars (data/calendars.ini) now, prints their state and ends. Exit status 1: no copy runs; 3: the copy named by --accept was not waiting.</source>
        <translation>Hace que la copia en marcha descargue ahora sus calendarios suscritos (data/calendars.ini), muestra su estado y termina. Estado de salida 1: no hay ninguna copia en marcha; 3: la versión indicada con --accept no estaba en espera.</translation>
    </message>
    <message>
        <source>With --refresh-calendars: takes the new copy of the calendar &lt;name&gt; that waits for the operator&apos;s Yes.</source>
        <translation>Con --refresh-calendars: acepta la nueva versión del calendario &lt;nombre&gt; que espera el sí del operador.</translation>
    </message>
    <message>
        <source>tollix: --accept goes only with --refresh-calendars (try --help)</source>
        <translation>tollix: --accept solo va con --refresh-calendars (pruebe --help)</translation>
    </message>
    <message>
        <source>tollix: unknown signal &apos;%1&apos;: Lockdown or Evacuation (try --help)</source>
        <translation>tollix: señal desconocida «%1»: Lockdown o Evacuation (pruebe --help)</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Please input hour</source>
        <translation>Introduzca las horas</translation>
    </message>
    <message>
        <source>Please input minute</source>
        <translation>Introduzca los minutos</translation>
    </message>
    <message>
        <source>Please input second</source>
        <translation>Introduzca los segundos</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 99</source>
        <translation>Horas: introduzca un número de 0 a 99</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>Minutos: introduzca un número de 0 a 59</translation>
    </message>
    <message>
        <source>(second)Please input digit between 0 and 59</source>
        <translation>Segundos: introduzca un número de 0 a 59</translation>
    </message>
</context>
<context>
    <name>HolidayCommand</name>
    <message>
        <source>tollix: %1 was not imported: %2</source>
        <translation>tollix: %1 no se importó: %2</translation>
    </message>
    <message>
        <source>nothing was written (--yes imports it all the same)</source>
        <translation>no se escribió nada (--yes lo importa de todos modos)</translation>
    </message>
    <message>
        <source>%1 new ranges written to %2</source>
        <translation>%1 periodos nuevos escritos en %2</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>This looks like a calendar of school days, not holidays: it would silence %1 of the %2 weekdays of %3.</source>
        <translation>Parece un calendario de días lectivos, no de festivos: silenciaría %1 de los %2 días laborables de %3.</translation>
    </message>
    <message>
        <source>No new days without bells.</source>
        <translation>Ningún día nuevo sin timbres.</translation>
    </message>
    <message>
        <source>Days without bells to add:</source>
        <translation>Días sin timbres que se añadirán:</translation>
    </message>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... y %1 más</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>School days (Monday to Friday) without bells: %1</source>
        <translation>Días lectivos (de lunes a viernes) sin timbres: %1</translation>
    </message>
    <message>
        <source>%1 with a time of day</source>
        <translation>%1 con hora del día</translation>
    </message>
    <message>
        <source>%1 in the past</source>
        <translation>%1 en el pasado</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 cancelados</translation>
    </message>
    <message>
        <source>Skipped events: %1</source>
        <translation>Eventos omitidos: %1</translation>
    </message>
    <message>
        <source> (already without bells: %1)</source>
        <translation> (ya sin timbres: %1)</translation>
    </message>
    <message>
        <source>Already days without bells, not added again:</source>
        <translation>Ya son días sin timbres, no se añaden de nuevo:</translation>
    </message>
    <message>
        <source>%1 dates written with a time, read as dates</source>
        <translation>%1 fechas escritas con hora, leídas como fechas</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Today     :</source>
        <translation>Hoy:</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>Hora actual:</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Click to see the ring log: every bell and what became of it.</source>
        <translation>Haga clic para ver el registro de timbres: cada timbre y qué fue de él.</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Próximo timbre</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>Próximo sonido</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Timbres de hoy</translation>
    </message>
    <message>
        <source>Select bell sound</source>
        <translation>Elegir sonido del timbre</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>Inicio al iniciar sesión</translation>
    </message>
    <message>
        <source>If you want TOLLIX to operate automatically at computer start time.</source>
        <translation>Inicia TOLLIX por sí solo al iniciar sesión.</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>Sin sonido del PC</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>Repetir timbre</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <translation>El timbre se repite hasta que haga clic en [Parar timbre].</translation>
    </message>
    <message>
        <source>If you want purge external sound generating other program.</source>
        <translation>Silencia el sonido de otros programas entre timbres.</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Hora de Internet</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>Mantiene el reloj del ordenador en la hora oficial de Internet.</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>Apagado programado</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>Intervalo automático</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Entrada manual</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <translation>Modo de horas</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>Toda la semana</translation>
    </message>
    <message>
        <source>Set each day </source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Apply day</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>Sin timbres</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>Elegir día</translation>
    </message>
    <message>
        <source>Set start and end time</source>
        <translation>Hora de inicio y de fin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
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
        <translation>Intervalos</translation>
    </message>
    <message>
        <source>Work time</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Rest time</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>Sonidos de los timbres</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>min after</source>
        <translation>min después</translation>
    </message>
    <message>
        <source>min before</source>
        <translation>min antes</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <translation>Alarmas tras el inicio y antes del fin (marque y aplique un sonido)</translation>
    </message>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>Nueva hora (elija un sonido y añada)</translation>
    </message>
    <message>
        <source>Added time (24H clock : 5PM -&gt; 17hr)</source>
        <translation>Horas añadidas (reloj de 24 h: 5 de la tarde = 17 h)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Tocar ahora</translation>
    </message>
    <message>
        <source>Stop Bell</source>
        <translation>Parar timbre</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Templet</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>To the tray</source>
        <translation>A la bandeja</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>Timbres de hoy</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>Sonidos de timbre</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>Día mostrado</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minuto de inicio</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Minuto de fin</translation>
    </message>
    <message>
        <source>Work minutes</source>
        <translation>Minutos de clase</translation>
    </message>
    <message>
        <source>Rest minutes</source>
        <translation>Minutos de descanso</translation>
    </message>
    <message>
        <source>Sound of the work bell</source>
        <translation>Sonido del timbre de clase</translation>
    </message>
    <message>
        <source>Sound of the rest bell</source>
        <translation>Sonido del timbre de descanso</translation>
    </message>
    <message>
        <source>Minutes after the start bell</source>
        <translation>Minutos tras el timbre de inicio</translation>
    </message>
    <message>
        <source>Sound of the alarm after the start bell</source>
        <translation>Sonido de la alarma tras el inicio</translation>
    </message>
    <message>
        <source>Minutes before the end bell</source>
        <translation>Minutos antes del timbre de fin</translation>
    </message>
    <message>
        <source>Sound of the alarm before the end bell</source>
        <translation>Sonido de la alarma antes del fin</translation>
    </message>
    <message>
        <source>Hour of the new time</source>
        <translation>Hora de la nueva hora</translation>
    </message>
    <message>
        <source>Minute of the new time (Enter adds it)</source>
        <translation>Minuto de la nueva hora (Intro la añade)</translation>
    </message>
    <message>
        <source>Added times (Del deletes)</source>
        <translation>Horas añadidas (Supr borra)</translation>
    </message>
    <message>
        <source>Apply the selected sound to the work bell</source>
        <translation>Aplicar el sonido elegido al timbre de clase</translation>
    </message>
    <message>
        <source>Apply the selected sound to the rest bell</source>
        <translation>Aplicar el sonido elegido al timbre de descanso</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm after the start bell</source>
        <translation>Aplicar el sonido elegido a la alarma tras el inicio</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm before the end bell</source>
        <translation>Aplicar el sonido elegido a la alarma antes del fin</translation>
    </message>
    <message>
        <source>Open Window</source>
        <translation>Abrir ventana</translation>
    </message>
    <message>
        <source>Align to school clock</source>
        <translation>Ajustar al reloj de la escuela</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copiar a...</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Añadir sonido...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Plays the selected sound for a test; a bell ends it.</source>
        <translation>Reproduce el sonido elegido como prueba; un timbre lo termina.</translation>
    </message>
    <message>
        <source>&amp;Play music list</source>
        <translation>&amp;Reproducir lista de música</translation>
    </message>
    <message>
        <source>Countdown next &amp;bell</source>
        <translation>Cuenta atrás hasta el próximo &amp;timbre</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Cuenta atrás</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Infomation</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>Holi&amp;days</source>
        <translation>&amp;Festivos</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Página web</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>&amp;Salidas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarmas</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>Texto que se dirá</translation>
    </message>
    <message>
        <source>Spoken at once on the bells&apos; outputs.</source>
        <translation>Se dice en el acto por las salidas de los timbres.</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Decir</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <translation>Elija un sonido en [Elegir sonido del timbre]</translation>
    </message>
    <message>
        <source>Invalid music folder name. (Format : minutes_music folder name)</source>
        <translation>Nombre de carpeta de música no válido (formato: minutos_nombre)</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>Hora: introduzca un número de 0 a 23</translation>
    </message>
    <message>
        <source>(Minute)Please input digit between 0 and 59</source>
        <translation>Minuto: introduzca un número de 0 a 59</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <translation>Esta hora ya está en la lista.</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>Elija la hora que desea borrar en [Horas añadidas]</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>Elija la hora que desea cambiar en [Horas añadidas]</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>Elija un sonido en [Elegir sonido del timbre]</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Elija un sonido en [Elegir sonido del timbre]</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one sound file</source>
        <translation>La carpeta de sonidos debe contener al menos un archivo de sonido</translation>
    </message>
    <message>
        <source>nothing added time. please add time.</source>
        <translation>No se ha añadido ninguna hora. Añada una hora.</translation>
    </message>
    <message>
        <source>Please input exit minute</source>
        <translation>Introduzca el minuto de fin</translation>
    </message>
    <message>
        <source>Please input start hour</source>
        <translation>Introduzca la hora de inicio</translation>
    </message>
    <message>
        <source>Please input start minute</source>
        <translation>Introduzca el minuto de inicio</translation>
    </message>
    <message>
        <source>Please input end hour</source>
        <translation>Introduzca la hora de fin</translation>
    </message>
    <message>
        <source>(End minute)Please input digit between 0 and 59</source>
        <translation>Minuto de fin: introduzca un número de 0 a 59</translation>
    </message>
    <message>
        <source>(Start Hour)Please input digit between 0 and 23</source>
        <translation>Hora de inicio: introduzca un número de 0 a 23</translation>
    </message>
    <message>
        <source>(Start minute)Please input digit between 0 and 59</source>
        <translation>Minuto de inicio: introduzca un número de 0 a 59</translation>
    </message>
    <message>
        <source>(End hour)Please input digit between 0 and 23</source>
        <translation>Hora de fin: introduzca un número de 0 a 23</translation>
    </message>
    <message>
        <source>(Work time)must over 1 minute</source>
        <translation>El tiempo de clase debe ser de al menos 1 minuto</translation>
    </message>
    <message>
        <source>(rest time)must over 1 minute</source>
        <translation>El tiempo de descanso debe ser de al menos 1 minuto</translation>
    </message>
    <message>
        <source>must end time bigger then start time</source>
        <translation>La hora de fin debe ser posterior a la de inicio</translation>
    </message>
    <message>
        <source>(Alarm after start bell time)Please input digit between 1 and 99</source>
        <translation>Alarma tras el timbre de inicio: introduzca un número de 1 a 99</translation>
    </message>
    <message>
        <source>(Alarm before end bell time)Please input digit between 1 and 99</source>
        <translation>Alarma antes del timbre de fin: introduzca un número de 1 a 99</translation>
    </message>
    <message>
        <source>Sum of [Alarm after start bell time minute] and [Alarm before end bell minute] is must not over work time.</source>
        <translation>Los minutos de alarma tras el timbre de inicio y antes del de fin deben sumar menos que el tiempo de clase.</translation>
    </message>
    <message>
        <source>Start time and end time is must over sum of work time and rest time.</source>
        <translation>El tiempo entre el inicio y el fin debe ser mayor que la suma del tiempo de clase y de descanso.</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one mp3 or wav or wma sound file</source>
        <translation>La carpeta de sonidos debe contener al menos un archivo mp3, wav o wma</translation>
    </message>
    <message>
        <source>Not exist selected bell in sound folder.</source>
        <translation>El timbre elegido no está en la carpeta de sonidos.</translation>
    </message>
    <message>
        <source>Music file must exist more than one in music list folder, except file name starting ##</source>
        <translation>La carpeta de la lista de música debe contener al menos un archivo cuyo nombre no empiece por ##</translation>
    </message>
    <message>
        <source>An emergency signal sounds: no bell is rung until All clear.</source>
        <translation>Suena una señal de emergencia: no suena ningún timbre hasta el fin de la alerta.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>%1 may be read by others and is not used (chmod 600 it)</source>
        <translation>%1 pueden leerlo otros usuarios y no se usa (aplíquele chmod 600)</translation>
    </message>
    <message>
        <source>calendars.ini line %1: %2</source>
        <translation>calendars.ini línea %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address and no setting</source>
        <translation>«%1» no es una dirección ni un ajuste</translation>
    </message>
    <message>
        <source>refresh is a number of hours, 1 .. 168</source>
        <translation>refresh es un número de horas, 1 .. 168</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting (refresh, ca)</source>
        <translation>«%1» no es un ajuste (refresh, ca)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no https:// or webcal:// address</source>
        <translation>«%1» no es una dirección https:// ni webcal://</translation>
    </message>
    <message>
        <source>http:// is only for the local network; %1 needs https://</source>
        <translation>http:// es solo para la red local; %1 necesita https://</translation>
    </message>
    <message>
        <source>it would silence %1 of the %2 school days of %3</source>
        <translation>silenciaría %1 de los %2 días lectivos de %3</translation>
    </message>
    <message>
        <source>it would change %1 school days at once (more than %2)</source>
        <translation>cambiaría %1 días lectivos de una vez (más de %2)</translation>
    </message>
    <message>
        <source>Days without bells added: %1</source>
        <translation>Días sin timbres añadidos: %1</translation>
    </message>
    <message>
        <source>Days without bells removed: %1</source>
        <translation>Días sin timbres quitados: %1</translation>
    </message>
    <message>
        <source>Days with other bells: %1</source>
        <translation>Días con otros timbres: %1</translation>
    </message>
</context>
<context>
    <name>TimeSync</name>
    <message>
        <source>behind</source>
        <translation>atrasado</translation>
    </message>
    <message>
        <source>ahead</source>
        <translation>adelantado</translation>
    </message>
    <message>
        <source>No answer from %1 since %2</source>
        <translation>Sin respuesta de %1 desde las %2</translation>
    </message>
    <message>
        <source>Clock agrees with %1 at %2</source>
        <translation>El reloj coincide con %1 a las %2</translation>
    </message>
    <message>
        <source>Clock set from %1 at %2</source>
        <translation>Reloj ajustado desde %1 a las %2</translation>
    </message>
    <message>
        <source>Held back: %1 says this computer is %2 s %3. A change over 60 s needs %4 answers at least 64 s apart that agree within 1 s; %5 so far</source>
        <translation>Retenido: según %1 este ordenador va %2 s %3. Un cambio de más de 60 s necesita %4 respuestas separadas al menos 64 s que coincidan en 1 s; hasta ahora %5</translation>
    </message>
    <message>
        <source>Bells follow %1: this computer is %2 s %3</source>
        <translation>Los timbres siguen a %1: este ordenador va %2 s %3</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Log out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Próximo timbre</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Tocar ahora</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Parar timbre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Timbres de hoy</translation>
    </message>
    <message>
        <source>Last rings</source>
        <translation>Últimos timbres</translation>
    </message>
    <message>
        <source>Internet time: </source>
        <translation>Hora de Internet: </translation>
    </message>
    <message>
        <source>Time: PC clock</source>
        <translation>Hora: reloj del PC</translation>
    </message>
    <message>
        <source>Error </source>
        <translation>Error </translation>
    </message>
    <message>
        <source>en</source>
        <translation>es</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ENCENDIDO</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>APAGADO</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>FESTIVO</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>Too many failed log-ins: wait %1 s</source>
        <translation>Demasiados inicios de sesión fallidos: espere %1 s</translation>
    </message>
    <message>
        <source>Busy: try again</source>
        <translation>Ocupado: inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Stop the schedule? No bell rings until it is started again.</source>
        <translation>¿Detener el horario? No sonará ningún timbre hasta que se inicie de nuevo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A file could not be read: %1 (the initial settings are used)</source>
        <translation>No se pudo leer un archivo: %1 (se usan los ajustes iniciales)</translation>
    </message>
    <message>
        <source>The schedule is running.</source>
        <translation>El horario está en marcha.</translation>
    </message>
    <message>
        <source>The schedule is stopped.</source>
        <translation>El horario está detenido.</translation>
    </message>
    <message>
        <source>Say now</source>
        <translation>Decir ahora</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>Texto que se dirá</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Decir</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vistas</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Timbres</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Plantilla %1</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Changed meanwhile elsewhere: shown as it is now</source>
        <translation>Cambiado entretanto en otro lugar: se muestra como está ahora</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Time mode</source>
        <translation>Modo de horas</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>Intervalo automático</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Entrada manual</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>Toda la semana</translation>
    </message>
    <message>
        <source>Set each day</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>Sin timbres</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copiar a...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Settings of</source>
        <translation>Ajustes de</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Work (minutes)</source>
        <translation>Clase (minutos)</translation>
    </message>
    <message>
        <source>Rest (minutes)</source>
        <translation>Descanso (minutos)</translation>
    </message>
    <message>
        <source>Start bell</source>
        <translation>Timbre de inicio</translation>
    </message>
    <message>
        <source>End bell</source>
        <translation>Timbre de fin</translation>
    </message>
    <message>
        <source>Alarm after start bell</source>
        <translation>Alarma tras el timbre de inicio</translation>
    </message>
    <message>
        <source>Minutes after</source>
        <translation>Minutos después</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Sonido de la alarma</translation>
    </message>
    <message>
        <source>Alarm before end bell</source>
        <translation>Alarma antes del timbre de fin</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minutos antes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Emergency signals</source>
        <translation>Señales de emergencia</translation>
    </message>
    <message>
        <source>Repeat (seconds)</source>
        <translation>Repetición (segundos)</translation>
    </message>
    <message>
        <source>Unknown signal.</source>
        <translation>Señal desconocida.</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>Está sonando un timbre.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>No se pudo reproducir el sonido.</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <translation>Señal de emergencia: %1</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Hold a button for 2 seconds.</source>
        <translation>Mantenga pulsado un botón 2 segundos.</translation>
    </message>
    <message>
        <source>Lockdown</source>
        <translation>Confinamiento</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>Evacuación</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Fin de la alerta</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>Sin timbres</translation>
    </message>
    <message>
        <source>Bells of %1</source>
        <translation>Timbres de %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Añadir sonido...</translation>
    </message>
    <message>
        <source>Import it all the same</source>
        <translation>Importar de todos modos</translation>
    </message>
    <message>
        <source>Import these days</source>
        <translation>Importar estos días</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Timbres</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>Importar un calendario de festivos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Outputs (one a line; none: the default output)</source>
        <translation>Salidas (una por línea; ninguna: la salida predeterminada)</translation>
    </message>
    <message>
        <source>School clock ahead (seconds)</source>
        <translation>Reloj escolar adelantado (segundos)</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Hora de Internet</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>Sin sonido del PC</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>Inicio al iniciar sesión</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>Apagado programado</translation>
    </message>
    <message>
        <source>Exit time</source>
        <translation>Hora de apagado</translation>
    </message>
</context>
<context>
    <name>WebPasswordCommand</name>
    <message>
        <source>New web page password: </source>
        <translation>Nueva contraseña de la página web: </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Repítala: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>no se indicó ninguna contraseña</translation>
    </message>
    <message>
        <source>the password is longer than 1024 bytes</source>
        <translation>la contraseña tiene más de 1024 bytes</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>las dos contraseñas no coinciden</translation>
    </message>
    <message>
        <source>the password could not be hashed (out of memory)</source>
        <translation>no se pudo calcular el hash de la contraseña (sin memoria)</translation>
    </message>
    <message>
        <source>tollix: %1; nothing was written</source>
        <translation>tollix: %1; no se escribió nada</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1</source>
        <translation>La contraseña de la página web está guardada en %1</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1 (the page stays off until a port is set)</source>
        <translation>La contraseña de la página web está guardada en %1 (la página sigue apagada hasta que se indique un puerto)</translation>
    </message>
    <message>
        <source>the password is shorter than %1 characters</source>
        <translation>la contraseña tiene menos de %1 caracteres</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error Number : 
</source>
        <translation>Error: 
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The public time servers are used.</source>
        <translation>No se pudo leer un archivo: %1
Se usan los servidores de hora públicos.</translation>
    </message>
    <message>
        <source>TOLLIX runs already; it is not started a second time.</source>
        <translation>TOLLIX ya está en marcha; no se inicia una segunda vez.</translation>
    </message>
    <message>
        <source>TOLLIX runs as a service and rings the bells; it is not started a second time.</source>
        <translation>TOLLIX está en marcha como servicio y toca los timbres; no se inicia una segunda vez.</translation>
    </message>
    <message>
        <source>TOLLIX does not run.</source>
        <translation>TOLLIX no está en marcha.</translation>
    </message>
    <message>
        <source>TOLLIX does not run: the signal was not given.</source>
        <translation>TOLLIX no está en marcha: la señal no se dio.</translation>
    </message>
    <message>
        <source>No new copy of the calendar %1 waits for acceptance.</source>
        <translation>Ninguna versión nueva del calendario %1 espera su aceptación.</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The signals sound in this building only.</source>
        <translation>No se pudo leer un archivo: %1
Las señales solo suenan en este edificio.</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmBanner</name>
    <message>
        <source>Every bell is held until All clear.</source>
        <translation>Ningún timbre suena hasta el fin de la alerta.</translation>
    </message>
    <message>
        <source>All clear...</source>
        <translation>Fin de la alerta...</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Fin de la alerta</translation>
    </message>
    <message>
        <source>End the signal and ring the bells again?</source>
        <translation>¿Terminar la señal y volver a tocar los timbres?</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmWindow</name>
    <message>
        <source>Lockdown</source>
        <translation>Confinamiento</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>Evacuación</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Fin de la alerta</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Lockdown...</source>
        <translation>Confinamiento...</translation>
    </message>
    <message>
        <source>Evacuation...</source>
        <translation>Evacuación...</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Again after (s, 0: at once)</source>
        <translation>De nuevo tras (s, 0: en seguida)</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>The sound cannot be tried now: a bell or a signal sounds, or the file cannot be played.</source>
        <translation>Ahora no se puede probar el sonido: suena un timbre o una señal, o no se puede reproducir el archivo.</translation>
    </message>
    <message>
        <source>Sound the %1 signal on every speaker now?
Every bell is held until All clear.</source>
        <translation>¿Hacer sonar ahora la señal «%1» en todos los altavoces?
Ningún timbre suena hasta el fin de la alerta.</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>No se pudo guardar el ajuste: %1</translation>
    </message>
</context>
<context>
    <name>tollix::CopyToDialog</name>
    <message>
        <source>Copy to...</source>
        <translation>Copiar a...</translation>
    </message>
</context>
<context>
    <name>tollix::FramelessWindow</name>
    <message>
        <source>TOLLIX-Stop</source>
        <translation>TOLLIX - detenido</translation>
    </message>
    <message>
        <source>TOLLIX-Excuting...</source>
        <translation>TOLLIX - en marcha</translation>
    </message>
</context>
<context>
    <name>tollix::FrmBellCount</name>
    <message>
        <source>Countdown next bell</source>
        <translation>Cuenta atrás hasta el próximo timbre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>tollix::FrmCountDown</name>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
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
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
</context>
<context>
    <name>tollix::FrmFullScreen</name>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Small window</source>
        <translation>Ventana pequeña</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Reanudar</translation>
    </message>
</context>
<context>
    <name>tollix::FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <translation>No se pudo conectar con el servidor de hora de Internet, así que no se puede corregir la hora.</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <translation>Compruebe que la red funciona.</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <translation>Si este aviso aparece a menudo, la red es inestable y no se puede usar la hora de Internet.</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of TOLLIX main window.</source>
        <translation>En ese caso, desmarque la casilla [Hora de Internet] de la ventana principal de TOLLIX.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>tollix::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Keyboard&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Ctrl+S&lt;/b&gt; Start, &lt;b&gt;Ctrl+T&lt;/b&gt; Stop, &lt;b&gt;Ctrl+R&lt;/b&gt; Ring now, &lt;b&gt;Esc&lt;/b&gt; stops the bell that sounds. &lt;b&gt;Enter&lt;/b&gt; in the minute field adds the time, &lt;b&gt;Del&lt;/b&gt; in the list deletes the selected time. &lt;b&gt;Tab&lt;/b&gt; goes from control to control; the arrow keys and the mouse wheel change the numbers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Teclado&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Ctrl+S&lt;/b&gt; Iniciar, &lt;b&gt;Ctrl+T&lt;/b&gt; Detener, &lt;b&gt;Ctrl+R&lt;/b&gt; Tocar ahora, &lt;b&gt;Esc&lt;/b&gt; detiene el timbre que suena. &lt;b&gt;Intro&lt;/b&gt; en el campo de minutos añade la hora, &lt;b&gt;Supr&lt;/b&gt; en la lista borra la hora seleccionada. &lt;b&gt;Tab&lt;/b&gt; pasa de un control a otro; las flechas y la rueda del ratón cambian los números.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;The bell ringer for schools and workplaces.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Program folder&lt;/b&gt; (settings and sounds):&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ring record&lt;/b&gt; (every bell and what became of it):&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Copyright 2026 the Tollix developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;El timbre para escuelas y lugares de trabajo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Carpeta del programa&lt;/b&gt; (ajustes y sonidos):&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;Registro de timbres&lt;/b&gt; (cada timbre y qué fue de él):&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Copyright 2026 los desarrolladores de Tollix. Todos los derechos reservados.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Points of caution&lt;/h3&gt;&lt;p&gt;&lt;b&gt;The clock is the 24-hour clock.&lt;/b&gt; 5 PM is 17 hr, midnight is 0 hr. A bell at 17 hr 30 min rings at half past five in the afternoon.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sounds&lt;/b&gt; are the .mp3, .wav, .wma, .ogg and .flac files in the sound folder:&lt;br&gt;%1&lt;br&gt;Copy your bells there, or use &quot;Add sound...&quot; under the list: the list of sounds follows the folder while TOLLIX runs.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Auto interval&lt;/b&gt; makes the bells for you: from the start time, a work bell, then after the work time a rest bell, then after the rest time the next work bell, and so on until the end time. &lt;b&gt;Manual input&lt;/b&gt; rings only the times you add to the list, each with its own sound.&lt;/p&gt;&lt;p&gt;&lt;b&gt;No com sound&lt;/b&gt; keeps the speakers silent between bells, so music or videos of other programs are not heard in class. The speakers are on for each bell and again when TOLLIX ends.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Puntos a tener en cuenta&lt;/h3&gt;&lt;p&gt;&lt;b&gt;El reloj es de 24 horas.&lt;/b&gt; Las 5 de la tarde son las 17 h, la medianoche son las 0 h. Un timbre a las 17 h 30 min suena a las cinco y media de la tarde.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Los sonidos&lt;/b&gt; son los archivos .mp3, .wav, .wma, .ogg y .flac de la carpeta de sonidos:&lt;br&gt;%1&lt;br&gt;Copie allí sus timbres o use «Añadir sonido...» bajo la lista: la lista de sonidos sigue a la carpeta mientras TOLLIX funciona.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Intervalo automático&lt;/b&gt; crea los timbres por usted: desde la hora de inicio, un timbre de clase; tras el tiempo de clase, un timbre de descanso; tras el descanso, el siguiente timbre de clase, y así hasta la hora de fin. &lt;b&gt;Entrada manual&lt;/b&gt; solo toca a las horas que añada a la lista, cada una con su propio sonido.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sin sonido del PC&lt;/b&gt; mantiene los altavoces en silencio entre timbres, para que la música o los vídeos de otros programas no se oigan en clase. Los altavoces se activan para cada timbre y al cerrar TOLLIX.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Play music list&lt;/h3&gt;&lt;p&gt;A bell can be a list of music instead of one sound, for example during a break.&lt;/p&gt;&lt;p&gt;Make a folder inside the sound folder (%1) and name it with the number of minutes it plays, an underscore and a name: &lt;b&gt;15_lunch&lt;/b&gt; plays for 15 minutes.&lt;/p&gt;&lt;p&gt;Put .mp3, .wav, .wma, .ogg or .flac files in it. They play one after another in the order of their names, and again from the first until the minutes are over. A file whose name starts with &lt;b&gt;##&lt;/b&gt; plays once at the beginning.&lt;/p&gt;&lt;p&gt;In the last four seconds the music fades out. A new folder appears in the list of sounds by itself, a moment after it is made.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Reproducir lista de música&lt;/h3&gt;&lt;p&gt;Un timbre puede ser una lista de música en lugar de un solo sonido, por ejemplo durante un descanso.&lt;/p&gt;&lt;p&gt;Cree una carpeta dentro de la carpeta de sonidos (%1) y llámela con los minutos que suena, un guion bajo y un nombre: &lt;b&gt;15_lunch&lt;/b&gt; suena durante 15 minutos.&lt;/p&gt;&lt;p&gt;Ponga dentro archivos .mp3, .wav, .wma, .ogg o .flac. Suenan uno tras otro por orden de nombre, y otra vez desde el primero hasta que pasan los minutos. Un archivo cuyo nombre empieza por &lt;b&gt;##&lt;/b&gt; suena una vez al principio.&lt;/p&gt;&lt;p&gt;En los últimos cuatro segundos la música se desvanece. Una carpeta nueva aparece sola en la lista de sonidos, un momento después de crearla.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tollix::HolidaysWindow</name>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>Name, for example Winter holidays</source>
        <translation>Nombre, por ejemplo Vacaciones de invierno</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>Sin timbres</translation>
    </message>
    <message>
        <source>Make-up day with the bells of</source>
        <translation>Día de recuperación con los timbres del</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Import calendar (.ics)...</source>
        <translation>Importar calendario (.ics)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>A date or a range</source>
        <translation>Una fecha o un periodo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>Make-up day</source>
        <translation>Día de recuperación</translation>
    </message>
    <message>
        <source>Rules of %1</source>
        <translation>Reglas de %1</translation>
    </message>
    <message>
        <source>The file cannot be used: %1</source>
        <translation>No se puede usar el archivo: %1</translation>
    </message>
    <message>
        <source>Line %1 is not read: %2</source>
        <translation>La línea %1 no se lee: %2</translation>
    </message>
    <message>
        <source>Select a rule to delete.</source>
        <translation>Seleccione una regla para borrarla.</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>Importar un calendario de festivos</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Archivos iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 no se importó: %2</translation>
    </message>
    <message>
        <source>Import it all the same?</source>
        <translation>¿Importarlo de todos modos?</translation>
    </message>
    <message>
        <source>Import these days?</source>
        <translation>¿Importar estos días?</translation>
    </message>
    <message>
        <source>%1 holidays imported</source>
        <translation>%1 festivos importados</translation>
    </message>
    <message>
        <source>, %1 events with a time of day skipped</source>
        <translation>, %1 eventos con hora del día omitidos</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The holidays cannot be saved: %1</source>
        <translation>No se pueden guardar los festivos: %1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Days without bells and make-up days</source>
        <translation>Días sin timbres y días de recuperación</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Weekday whose bells ring</source>
        <translation>Día de la semana cuyos timbres suenan</translation>
    </message>
    <message>
        <source>Special day with the bells of</source>
        <translation>Día especial con los timbres de</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Plantilla %1</translation>
    </message>
    <message>
        <source>Special day</source>
        <translation>Día especial</translation>
    </message>
    <message>
        <source>Template of the special day</source>
        <translation>Plantilla del día especial</translation>
    </message>
    <message>
        <source>Templet %1 holds no bells: a special day with it would ring nothing. Put its bells in first.</source>
        <translation>La plantilla %1 no tiene timbres: un día especial con ella no sonaría nada. Ponga primero sus timbres.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>From the subscribed calendar %1</source>
        <translation>Del calendario suscrito %1</translation>
    </message>
    <message>
        <source>Subscribed: %1, %2 rules</source>
        <translation>Suscrito: %1, %2 reglas</translation>
    </message>
    <message>
        <source>, fetched %1</source>
        <translation>, descargado %1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation> (http: solo red local)</translation>
    </message>
    <message>
        <source>The last fetch failed: %1; the last good copy is used.</source>
        <translation>La última descarga falló: %1; se usa la última versión buena.</translation>
    </message>
    <message>
        <source>A new copy of %1 waits: %2
%3</source>
        <translation>Una nueva versión de %1 espera: %2
%3</translation>
    </message>
    <message>
        <source>Take the new copy of %1</source>
        <translation>Aceptar la nueva versión de %1</translation>
    </message>
    <message>
        <source>Take the new copy of %1 with the days it changes?</source>
        <translation>¿Aceptar la nueva versión de %1 con los días que cambia?</translation>
    </message>
</context>
<context>
    <name>tollix::MenuWindows</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Play music list</source>
        <translation>Reproducir lista de música</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>tollix::OutputsWindow</name>
    <message>
        <source>Outputs</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Outputs the bells play on</source>
        <translation>Salidas en las que suenan los timbres</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (no está)</translation>
    </message>
    <message>
        <source>The bells play on every output ticked, all at once.
None ticked: the default output. Another computer&apos;s speakers are an output too
(a network sink of the sound server: see the README). Relays and IP speakers
listed below the outputs switch and play with every bell.</source>
        <translation>Los timbres suenan a la vez en cada salida marcada.
Ninguna marcada: la salida predeterminada. Los altavoces de otro ordenador también son una salida
(un destino de red del servidor de sonido: vea el README). Los relés y altavoces IP
listados bajo las salidas se activan y suenan con cada timbre.</translation>
    </message>
    <message>
        <source>Rings the selected bell on the outputs ticked, or switches the selected relay, or plays the bell on the selected IP speakers</source>
        <translation>Hace sonar el timbre elegido en las salidas marcadas, activa el relé elegido o reproduce el timbre en los altavoces IP elegidos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Takes the selected relay or IP speakers off the list</source>
        <translation>Quita de la lista el relé o los altavoces IP elegidos</translation>
    </message>
    <message>
        <source>Relay ON command</source>
        <translation>Orden de encendido del relé</translation>
    </message>
    <message>
        <source>Relay OFF command</source>
        <translation>Orden de apagado del relé</translation>
    </message>
    <message>
        <source>Seconds the relay stays on</source>
        <translation>Segundos que el relé permanece encendido</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>for the sound</source>
        <translation>lo que dure el sonido</translation>
    </message>
    <message>
        <source>Add relay</source>
        <translation>Añadir relé</translation>
    </message>
    <message>
        <source>Relay (a hard-wired bell)</source>
        <translation>Relé (un timbre cableado)</translation>
    </message>
    <message>
        <source>ON command:</source>
        <translation>Orden de encendido:</translation>
    </message>
    <message>
        <source>OFF command:</source>
        <translation>Orden de apagado:</translation>
    </message>
    <message>
        <source>On for:</source>
        <translation>Encendido durante:</translation>
    </message>
    <message>
        <source>Multicast group of the IP speakers</source>
        <translation>Grupo multicast de los altavoces IP</translation>
    </message>
    <message>
        <source>Port of the IP speakers</source>
        <translation>Puerto de los altavoces IP</translation>
    </message>
    <message>
        <source>Add IP speakers</source>
        <translation>Añadir altavoces IP</translation>
    </message>
    <message>
        <source>IP speakers (multicast RTP, G.711)</source>
        <translation>Altavoces IP (RTP multicast, G.711)</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Grupo:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Relay: %1</source>
        <translation>Relé: %1</translation>
    </message>
    <message>
        <source> (on for %1 s)</source>
        <translation> (encendido %1 s)</translation>
    </message>
    <message>
        <source>IP speakers: %1:%2</source>
        <translation>Altavoces IP: %1:%2</translation>
    </message>
    <message>
        <source>%1 (unusable: %2)</source>
        <translation>%1 (inutilizable: %2)</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>No añadido: %1</translation>
    </message>
    <message>
        <source>Not tried: a bell sounds on it now, or no bell is selected.</source>
        <translation>No se probó: ahora suena un timbre en ella o no hay ningún timbre elegido.</translation>
    </message>
</context>
<context>
    <name>tollix::QtCalendarFetch</name>
    <message>
        <source>the certificate authority %1 cannot be read</source>
        <translation>no se puede leer la autoridad de certificación %1</translation>
    </message>
    <message>
        <source>the calendar is larger than 16 MB</source>
        <translation>el calendario ocupa más de 16 MB</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>el servidor respondió %1 %2</translation>
    </message>
</context>
<context>
    <name>tollix::RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>Registro de timbres</translation>
    </message>
    <message>
        <source>The last %1 bells, newest at the bottom. Kept in %2</source>
        <translation>Los últimos %1 timbres, el más reciente abajo. Guardado en %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No bell has rung yet.</source>
        <translation>Todavía no ha sonado ningún timbre.</translation>
    </message>
</context>
<context>
    <name>tollix::SchoolClockWindow</name>
    <message>
        <source>Align to school clock</source>
        <translation>Ajustar al reloj de la escuela</translation>
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
        <translation>Sonar en cada minuto exacto</translation>
    </message>
    <message>
        <source>The selected bell rings at every full minute of school time while this is checked: move the clock until it rings with the school&apos;s.</source>
        <translation>Mientras esté marcado, el timbre elegido suena en cada minuto exacto de la hora de la escuela: mueva el reloj hasta que suene con el de la escuela.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The school&apos;s clocks are ahead by</source>
        <translation>Los relojes de la escuela van adelantados</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s wall clocks are ahead of this computer&apos;s time (behind: less than 0).
Every bell, clock and countdown of TOLLIX goes by school time.</source>
        <translation>Segundos que los relojes de pared de la escuela van por delante de la hora de este ordenador (por detrás: menos de 0).
Cada timbre, reloj y cuenta atrás de TOLLIX sigue la hora de la escuela.</translation>
    </message>
    <message>
        <source>School clock: %1 s ahead</source>
        <translation>Reloj de la escuela: %1 s adelantado</translation>
    </message>
    <message>
        <source>School clock: %1 s behind</source>
        <translation>Reloj de la escuela: %1 s atrasado</translation>
    </message>
    <message>
        <source>School time %1:%2:%3</source>
        <translation>Hora de la escuela %1:%2:%3</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s clocks are ahead</source>
        <translation>Segundos que adelantan los relojes de la escuela</translation>
    </message>
</context>
<context>
    <name>tollix::SoundListPanel</name>
    <message>
        <source>Add sound</source>
        <translation>Añadir sonido</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>Está sonando un timbre.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>No se pudo reproducir el sonido.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>The sound folder holds another %1. Replace it?</source>
        <translation>La carpeta de sonidos ya tiene otro %1. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Not added:%1</source>
        <translation>No añadido:%1</translation>
    </message>
    <message>
        <source>Sounds (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</source>
        <translation>Sonidos (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</translation>
    </message>
    <message>
        <source>Cannot be spoken: %1</source>
        <translation>No se puede decir: %1</translation>
    </message>
</context>
<context>
    <name>tollix::WebPageWindow</name>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagada</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Port (0: off)</source>
        <translation>Puerto (0: apagada)</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nueva contraseña</translation>
    </message>
    <message>
        <source>The same again</source>
        <translation>Repítala</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Las dos contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Set a password first.</source>
        <translation>Indique primero una contraseña.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>The password could not be hashed.</source>
        <translation>No se pudo calcular el hash de la contraseña.</translation>
    </message>
    <message>
        <source>The page is off: %1</source>
        <translation>La página está apagada: %1</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>La página está apagada.</translation>
    </message>
    <message>
        <source>Open %1 on a computer or phone of the school&apos;s network.</source>
        <translation>Abra %1 en un ordenador o teléfono de la red de la escuela.</translation>
    </message>
    <message>
        <source>The password is shorter than %1 characters.</source>
        <translation>La contraseña tiene menos de %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>tollix::isAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <translation>Apagado programado del ordenador</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <translation>Hora de apagado (reloj de 24 horas)</translation>
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
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>Hora: introduzca un número de 0 a 23</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>Minutos: introduzca un número de 0 a 59</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
</context>
<context>
    <name>tollix::isAutoModeForm</name>
    <message>
        <source>Auto execution</source>
        <translation>Inicio al iniciar sesión</translation>
    </message>
    <message>
        <source>Auto execution way</source>
        <translation>Cómo iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <translation>Iniciar en la bandeja</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <translation>Iniciar con la ventana visible</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>tollix::main</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The initial settings are used, and the file is kept as it is until a setting it holds is changed.</source>
        <translation>No se pudo leer un archivo: %1
Se usan los ajustes iniciales, y el archivo se conserva tal cual hasta que se cambie un ajuste suyo.</translation>
    </message>
    <message>
        <source>The ring record cannot be kept: %1
The bells ring all the same.</source>
        <translation>No se puede llevar el registro de timbres: %1
Los timbres suenan de todos modos.</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Leyendo %1</translation>
    </message>
    <message>
        <source>Reading the sound folder %1</source>
        <translation>Leyendo la carpeta de sonidos %1</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>APAGADO</translation>
    </message>
    <message>
        <source>Error Number : 
%1 failed: %2</source>
        <translation>Error:
%1 falló: %2</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>No se pudo guardar el ajuste: %1</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <translation>Haga clic en las flechas a la derecha de [Elegir día] para fijar los timbres de cada día.</translation>
    </message>
    <message>
        <source>templet%1</source>
        <translation>plantilla %1</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ENCENDIDO</translation>
    </message>
    <message>
        <source>No bells today: %1</source>
        <translation>Hoy no hay timbres: %1</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>FESTIVO</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Hoy no hay timbres</translation>
    </message>
    <message>
        <source>Make-up day: %1&apos;s bells%2</source>
        <translation>Día de recuperación: timbres del %1%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>¿Borrar todas las horas de la lista?</translation>
    </message>
    <message>
        <source>Replace the %1 bells in the list with Templet %2?</source>
        <translation>¿Sustituir los %1 timbres de la lista por la plantilla %2?</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>Mantiene el reloj del ordenador en la hora oficial de Internet.</translation>
    </message>
    <message>
        <source>TOLLIX cannot be set to start at log-on: %1</source>
        <translation>No se puede configurar TOLLIX para iniciarse al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>The start entry at log-on could not be removed: %1</source>
        <translation>No se pudo quitar la entrada de inicio de sesión: %1</translation>
    </message>
    <message>
        <source>The computer could not be switched off at the reserved time.
%1</source>
        <translation>No se pudo apagar el ordenador a la hora programada.
%1</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <translation>TOLLIX usa el servidor de hora de Internet para mantener el reloj del ordenador en hora.</translation>
    </message>
    <message>
        <source>Stop all bells and exit TOLLIX?</source>
        <translation>¿Detener todos los timbres y salir de TOLLIX?</translation>
    </message>
    <message>
        <source>Start every weekday from the week&apos;s list?</source>
        <translation>¿Empezar cada día laborable con la lista de la semana?</translation>
    </message>
    <message>
        <source>Special day: Templet %1%2</source>
        <translation>Día especial: plantilla %1%2</translation>
    </message>
    <message>
        <source>%1 hr %2 min %3 sec</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>The list on screen is empty. These days would lose all their bells: %1
Copy the empty list?</source>
        <translation>La lista en pantalla está vacía. Estos días perderían todos sus timbres: %1
¿Copiar la lista vacía?</translation>
    </message>
    <message>
        <source>These days have bells of their own: %1
Replace them with the list on screen?</source>
        <translation>Estos días tienen timbres propios: %1
¿Sustituirlos por la lista en pantalla?</translation>
    </message>
    <message>
        <source>These special days would ring no bells, their template holds none:
%1</source>
        <translation>Estos días especiales no sonarían, su plantilla no tiene timbres:
%1</translation>
    </message>
    <message>
        <source>No bells set: nothing rings today or on the next five school days</source>
        <translation>No hay timbres: hoy y en los próximos cinco días lectivos no suena nada</translation>
    </message>
    <message>
        <source>A file changed on disk could not be read: %1
The settings held are kept.</source>
        <translation>No se pudo leer un archivo cambiado en el disco: %1
Se mantienen los ajustes actuales.</translation>
    </message>
    <message>
        <source>The broker %1 cannot be reached: signals sound in this building only.</source>
        <translation>No se puede contactar con el bróker %1: las señales solo suenan en este edificio.</translation>
    </message>
    <message>
        <source>Type the words to say.</source>
        <translation>Escriba el texto que se dirá.</translation>
    </message>
    <message>
        <source>At most %1 characters can be said.</source>
        <translation>Se pueden decir como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Words cannot be spoken here.</source>
        <translation>Aquí no se puede decir ningún texto.</translation>
    </message>
</context>
<context>
    <name>tollix::templet</name>
    <message>
        <source>Select templet</source>
        <translation>Elegir plantilla</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Plantilla %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
