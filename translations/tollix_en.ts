<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BellEngine</name>
    <message>
        <source>Sun</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
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
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
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
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <translation>NEXT DAY</translation>
    </message>
    <message>
        <source>the file could not be played</source>
        <translation>the file could not be played</translation>
    </message>
    <message>
        <source>no sound output</source>
        <translation>no sound output</translation>
    </message>
    <message>
        <source>the speakers are muted</source>
        <translation>the speakers are muted</translation>
    </message>
    <message>
        <source>Bell not heard: %1</source>
        <translation>Bell not heard: %1</translation>
    </message>
</context>
<context>
    <name>CalendarSubscriptions</name>
    <message>
        <source>the new copy is refused: %1</source>
        <translation>the new copy is refused: %1</translation>
    </message>
    <message>
        <source>the copy cannot be kept: %1</source>
        <translation>the copy cannot be kept: %1</translation>
    </message>
    <message>
        <source>no copy yet</source>
        <translation>no copy yet</translation>
    </message>
    <message>
        <source>%1 rules in force, fetched %2</source>
        <translation>%1 rules in force, fetched %2</translation>
    </message>
    <message>
        <source>; the last fetch failed: %1</source>
        <translation>; the last fetch failed: %1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation> (http: local network only)</translation>
    </message>
    <message>
        <source>a new copy waits for acceptance: %1 (tollix --refresh-calendars --accept %2 takes it)</source>
        <translation>a new copy waits for acceptance: %1 (tollix --refresh-calendars --accept %2 takes it)</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2; its last copy is in force</source>
        <translation>calendar %1 could not be fetched: %2; its last copy is in force</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2</source>
        <translation>calendar %1 could not be fetched: %2</translation>
    </message>
    <message>
        <source>calendar %1: a new copy waits for acceptance: %2</source>
        <translation>calendar %1: a new copy waits for acceptance: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tollix rings the day&apos;s school bells through the speakers at their minute.</source>
        <translation>Tollix rings the day&apos;s school bells through the speakers at their minute.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Shows this help and ends.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Shows the version and ends.</translation>
    </message>
    <message>
        <source>Prints the last 50 lines of the ring record and ends.</source>
        <translation>Prints the last 50 lines of the ring record and ends.</translation>
    </message>
    <message>
        <source>Uses &lt;folder&gt; as the program folder (its data/ and sound/).</source>
        <translation>Uses &lt;folder&gt; as the program folder (its data/ and sound/).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Adds the whole-day events of the iCalendar &lt;file&gt; to the days without bells, shows what it adds and ends. Exit status 1: the file or the holidays cannot be read or written; 3: the file looks like a calendar of school days, nothing is written (--yes takes it all the same).</source>
        <translation>Adds the whole-day events of the iCalendar &lt;file&gt; to the days without bells, shows what it adds and ends. Exit status 1: the file or the holidays cannot be read or written; 3: the file looks like a calendar of school days, nothing is written (--yes takes it all the same).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>With --import-holidays: imports a calendar of school days too.</source>
        <translation>With --import-holidays: imports a calendar of school days too.</translation>
    </message>
    <message>
        <source>tollix: %1 (try --help)</source>
        <translation>tollix: %1 (try --help)</translation>
    </message>
    <message>
        <source>tollix: unexpected argument &apos;%1&apos; (try --help)</source>
        <translation>tollix: unexpected argument &apos;%1&apos; (try --help)</translation>
    </message>
    <message>
        <source>Reads a new password for the web page from standard input, stores its hash in data/web.ini and ends.</source>
        <translation>Reads a new password for the web page from standard input, stores its hash in data/web.ini and ends.</translation>
    </message>
    <message>
        <source>tollix: --yes goes only with --import-holidays (try --help)</source>
        <translation>tollix: --yes goes only with --import-holidays (try --help)</translation>
    </message>
    <message>
        <source>Rings the bells without a window or tray, for a computer without a screen; messages go to standard error. SIGTERM ends it.</source>
        <translation>Rings the bells without a window or tray, for a computer without a screen; messages go to standard error. SIGTERM ends it.</translation>
    </message>
    <message>
        <source>Prints what the running copy does now (state, next bell, last ring, problems) and ends. Exit status 1: no copy runs.</source>
        <translation>Prints what the running copy does now (state, next bell, last ring, problems) and ends. Exit status 1: no copy runs.</translation>
    </message>
    <message>
        <source>Hands the emergency signal &lt;name&gt; (Lockdown or Evacuation) to the running copy, which sounds it until All clear, and ends. Exit status 1: no copy runs; 2: an unknown name.</source>
        <translation>Hands the emergency signal &lt;name&gt; (Lockdown or Evacuation) to the running copy, which sounds it until All clear, and ends. Exit status 1: no copy runs; 2: an unknown name.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Ends the emergency signal of the running copy and ends. Exit status 1: no copy runs.</source>
        <translation>Ends the emergency signal of the running copy and ends. Exit status 1: no copy runs.</translation>
    </message>
    <message>
        <source>Has the running copy fetch its subscribed calendars (data/calendars.ini) now, prints their state and ends. Exit status 1: no copy runs; 3: the copy named by --accept was not waiting.</source>
        <translation>Has the running copy fetch its subscribed calendars (data/calendars.ini) now, prints their state and ends. Exit status 1: no copy runs; 3: the copy named by --accept was not waiting.</translation>
    </message>
    <message>
        <source>With --refresh-calendars: takes the new copy of the calendar &lt;name&gt; that waits for the operator&apos;s Yes.</source>
        <translation>With --refresh-calendars: takes the new copy of the calendar &lt;name&gt; that waits for the operator&apos;s Yes.</translation>
    </message>
    <message>
        <source>tollix: --accept goes only with --refresh-calendars (try --help)</source>
        <translation>tollix: --accept goes only with --refresh-calendars (try --help)</translation>
    </message>
    <message>
        <source>tollix: unknown signal &apos;%1&apos;: Lockdown or Evacuation (try --help)</source>
        <translation>tollix: unknown signal &apos;%1&apos;: Lockdown or Evacuation (try --help)</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Please input hour</source>
        <translation>Please enter the hours</translation>
    </message>
    <message>
        <source>Please input minute</source>
        <translation>Please enter the minutes</translation>
    </message>
    <message>
        <source>Please input second</source>
        <translation>Please enter the seconds</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 99</source>
        <translation>Hours: please enter a number from 0 to 99</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>Minutes: please enter a number from 0 to 59</translation>
    </message>
    <message>
        <source>(second)Please input digit between 0 and 59</source>
        <translation>Seconds: please enter a number from 0 to 59</translation>
    </message>
</context>
<context>
    <name>HolidayCommand</name>
    <message>
        <source>tollix: %1 was not imported: %2</source>
        <translation>tollix: %1 was not imported: %2</translation>
    </message>
    <message>
        <source>nothing was written (--yes imports it all the same)</source>
        <translation>nothing was written (--yes imports it all the same)</translation>
    </message>
    <message>
        <source>%1 new ranges written to %2</source>
        <translation>%1 new ranges written to %2</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>This looks like a calendar of school days, not holidays: it would silence %1 of the %2 weekdays of %3.</source>
        <translation>This looks like a calendar of school days, not holidays: it would silence %1 of the %2 weekdays of %3.</translation>
    </message>
    <message>
        <source>No new days without bells.</source>
        <translation>No new days without bells.</translation>
    </message>
    <message>
        <source>Days without bells to add:</source>
        <translation>Days without bells to add:</translation>
    </message>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... and %1 more</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>School days (Monday to Friday) without bells: %1</source>
        <translation>School days (Monday to Friday) without bells: %1</translation>
    </message>
    <message>
        <source>%1 with a time of day</source>
        <translation>%1 with a time of day</translation>
    </message>
    <message>
        <source>%1 in the past</source>
        <translation>%1 in the past</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 cancelled</translation>
    </message>
    <message>
        <source>Skipped events: %1</source>
        <translation>Skipped events: %1</translation>
    </message>
    <message>
        <source> (already without bells: %1)</source>
        <translation> (already without bells: %1)</translation>
    </message>
    <message>
        <source>Already days without bells, not added again:</source>
        <translation>Already days without bells, not added again:</translation>
    </message>
    <message>
        <source>%1 dates written with a time, read as dates</source>
        <translation>%1 dates written with a time, read as dates</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Today     :</source>
        <translation>Today:</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>Time now:</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Click to see the ring log: every bell and what became of it.</source>
        <translation>Click to see the ring log: every bell and what became of it.</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Next bell</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>Next sound</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Today&apos;s bells</translation>
    </message>
    <message>
        <source>Select bell sound</source>
        <translation>Select bell sound</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>Start at log-on</translation>
    </message>
    <message>
        <source>If you want TOLLIX to operate automatically at computer start time.</source>
        <translation>Starts TOLLIX by itself when you log on.</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>No computer sound</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>Repeating bell</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <translation>The bell repeats until you click [Stop bell].</translation>
    </message>
    <message>
        <source>If you want purge external sound generating other program.</source>
        <translation>Silences the sound of other programs between bells.</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Internet time</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>Keeps the computer&apos;s clock on standard time from the internet.</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>Scheduled shutdown</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>Auto interval</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Manual input</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <translation>Time mode</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>Whole week</translation>
    </message>
    <message>
        <source>Set each day </source>
        <translation>Each day</translation>
    </message>
    <message>
        <source>Apply day</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>No bells</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>Select day</translation>
    </message>
    <message>
        <source>Set start and end time</source>
        <translation>Start and end time</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Set time interval</source>
        <translation>Time intervals</translation>
    </message>
    <message>
        <source>Work time</source>
        <translation>Work time</translation>
    </message>
    <message>
        <source>Rest time</source>
        <translation>Rest time</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>Bell sounds</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>min after</source>
        <translation>min after</translation>
    </message>
    <message>
        <source>min before</source>
        <translation>min before</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <translation>Alarms after the start and before the end bell (tick, then apply a sound)</translation>
    </message>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>New time (select a sound, then add)</translation>
    </message>
    <message>
        <source>Added time (24H clock : 5PM -&gt; 17hr)</source>
        <translation>Added times (24-hour clock: 5 PM is 17 hr)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Ring now</translation>
    </message>
    <message>
        <source>Stop Bell</source>
        <translation>Stop bell</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Templet</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>To the tray</source>
        <translation>To the tray</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>Today&apos;s bells</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>Bell sounds</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>Day shown</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Start hour</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Start minute</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>End hour</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>End minute</translation>
    </message>
    <message>
        <source>Work minutes</source>
        <translation>Work minutes</translation>
    </message>
    <message>
        <source>Rest minutes</source>
        <translation>Rest minutes</translation>
    </message>
    <message>
        <source>Sound of the work bell</source>
        <translation>Sound of the work bell</translation>
    </message>
    <message>
        <source>Sound of the rest bell</source>
        <translation>Sound of the rest bell</translation>
    </message>
    <message>
        <source>Minutes after the start bell</source>
        <translation>Minutes after the start bell</translation>
    </message>
    <message>
        <source>Sound of the alarm after the start bell</source>
        <translation>Sound of the alarm after the start bell</translation>
    </message>
    <message>
        <source>Minutes before the end bell</source>
        <translation>Minutes before the end bell</translation>
    </message>
    <message>
        <source>Sound of the alarm before the end bell</source>
        <translation>Sound of the alarm before the end bell</translation>
    </message>
    <message>
        <source>Hour of the new time</source>
        <translation>Hour of the new time</translation>
    </message>
    <message>
        <source>Minute of the new time (Enter adds it)</source>
        <translation>Minute of the new time (Enter adds it)</translation>
    </message>
    <message>
        <source>Added times (Del deletes)</source>
        <translation>Added times (Del deletes)</translation>
    </message>
    <message>
        <source>Apply the selected sound to the work bell</source>
        <translation>Apply the selected sound to the work bell</translation>
    </message>
    <message>
        <source>Apply the selected sound to the rest bell</source>
        <translation>Apply the selected sound to the rest bell</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm after the start bell</source>
        <translation>Apply the selected sound to the alarm after the start bell</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm before the end bell</source>
        <translation>Apply the selected sound to the alarm before the end bell</translation>
    </message>
    <message>
        <source>Open Window</source>
        <translation>Open window</translation>
    </message>
    <message>
        <source>Align to school clock</source>
        <translation>Align to school clock</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copy to...</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Add sound...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Plays the selected sound for a test; a bell ends it.</source>
        <translation>Plays the selected sound for a test; a bell ends it.</translation>
    </message>
    <message>
        <source>&amp;Play music list</source>
        <translation>&amp;Play music list</translation>
    </message>
    <message>
        <source>Countdown next &amp;bell</source>
        <translation>Countdown to the next &amp;bell</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>&amp;Countdown</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Infomation</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>Holi&amp;days</source>
        <translation>Holi&amp;days</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Web page</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>&amp;Outputs</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarms</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>Words to say</translation>
    </message>
    <message>
        <source>Spoken at once on the bells&apos; outputs.</source>
        <translation>Spoken at once on the bells&apos; outputs.</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Say</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>All days</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <translation>Select a bell sound in [Select bell sound]</translation>
    </message>
    <message>
        <source>Invalid music folder name. (Format : minutes_music folder name)</source>
        <translation>Invalid music folder name (format: minutes_name)</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>Hour: please enter a number from 0 to 23</translation>
    </message>
    <message>
        <source>(Minute)Please input digit between 0 and 59</source>
        <translation>Minute: please enter a number from 0 to 59</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <translation>This time is already in the list.</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>Select the time to delete in [Added times]</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>Select the time to change in [Added times]</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>Select a bell sound in [Select bell sound]</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Select a bell sound in [Select bell sound]</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one sound file</source>
        <translation>The sound folder must hold at least one sound file</translation>
    </message>
    <message>
        <source>nothing added time. please add time.</source>
        <translation>No time has been added. Please add a time.</translation>
    </message>
    <message>
        <source>Please input exit minute</source>
        <translation>Please enter the end minute</translation>
    </message>
    <message>
        <source>Please input start hour</source>
        <translation>Please enter the start hour</translation>
    </message>
    <message>
        <source>Please input start minute</source>
        <translation>Please enter the start minute</translation>
    </message>
    <message>
        <source>Please input end hour</source>
        <translation>Please enter the end hour</translation>
    </message>
    <message>
        <source>(End minute)Please input digit between 0 and 59</source>
        <translation>End minute: please enter a number from 0 to 59</translation>
    </message>
    <message>
        <source>(Start Hour)Please input digit between 0 and 23</source>
        <translation>Start hour: please enter a number from 0 to 23</translation>
    </message>
    <message>
        <source>(Start minute)Please input digit between 0 and 59</source>
        <translation>Start minute: please enter a number from 0 to 59</translation>
    </message>
    <message>
        <source>(End hour)Please input digit between 0 and 23</source>
        <translation>End hour: please enter a number from 0 to 23</translation>
    </message>
    <message>
        <source>(Work time)must over 1 minute</source>
        <translation>The work time must be at least 1 minute</translation>
    </message>
    <message>
        <source>(rest time)must over 1 minute</source>
        <translation>The rest time must be at least 1 minute</translation>
    </message>
    <message>
        <source>must end time bigger then start time</source>
        <translation>The end time must be later than the start time</translation>
    </message>
    <message>
        <source>(Alarm after start bell time)Please input digit between 1 and 99</source>
        <translation>Alarm after the start bell: please enter a number from 1 to 99</translation>
    </message>
    <message>
        <source>(Alarm before end bell time)Please input digit between 1 and 99</source>
        <translation>Alarm before the end bell: please enter a number from 1 to 99</translation>
    </message>
    <message>
        <source>Sum of [Alarm after start bell time minute] and [Alarm before end bell minute] is must not over work time.</source>
        <translation>The alarm minutes after the start bell and before the end bell together must be less than the work time.</translation>
    </message>
    <message>
        <source>Start time and end time is must over sum of work time and rest time.</source>
        <translation>The time from start to end must be longer than the work time and the rest time together.</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one mp3 or wav or wma sound file</source>
        <translation>The sound folder must hold at least one mp3, wav or wma sound file</translation>
    </message>
    <message>
        <source>Not exist selected bell in sound folder.</source>
        <translation>The selected bell is not in the sound folder.</translation>
    </message>
    <message>
        <source>Music file must exist more than one in music list folder, except file name starting ##</source>
        <translation>The music list folder must hold at least one music file whose name does not start with ##</translation>
    </message>
    <message>
        <source>An emergency signal sounds: no bell is rung until All clear.</source>
        <translation>An emergency signal sounds: no bell is rung until All clear.</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>%1 may be read by others and is not used (chmod 600 it)</source>
        <translation>%1 may be read by others and is not used (chmod 600 it)</translation>
    </message>
    <message>
        <source>calendars.ini line %1: %2</source>
        <translation>calendars.ini line %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address and no setting</source>
        <translation>&quot;%1&quot; is no address and no setting</translation>
    </message>
    <message>
        <source>refresh is a number of hours, 1 .. 168</source>
        <translation>refresh is a number of hours, 1 .. 168</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting (refresh, ca)</source>
        <translation>&quot;%1&quot; is no setting (refresh, ca)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no https:// or webcal:// address</source>
        <translation>&quot;%1&quot; is no https:// or webcal:// address</translation>
    </message>
    <message>
        <source>http:// is only for the local network; %1 needs https://</source>
        <translation>http:// is only for the local network; %1 needs https://</translation>
    </message>
    <message>
        <source>it would silence %1 of the %2 school days of %3</source>
        <translation>it would silence %1 of the %2 school days of %3</translation>
    </message>
    <message>
        <source>it would change %1 school days at once (more than %2)</source>
        <translation>it would change %1 school days at once (more than %2)</translation>
    </message>
    <message>
        <source>Days without bells added: %1</source>
        <translation>Days without bells added: %1</translation>
    </message>
    <message>
        <source>Days without bells removed: %1</source>
        <translation>Days without bells removed: %1</translation>
    </message>
    <message>
        <source>Days with other bells: %1</source>
        <translation>Days with other bells: %1</translation>
    </message>
</context>
<context>
    <name>TimeSync</name>
    <message>
        <source>behind</source>
        <translation>behind</translation>
    </message>
    <message>
        <source>ahead</source>
        <translation>ahead</translation>
    </message>
    <message>
        <source>No answer from %1 since %2</source>
        <translation>No answer from %1 since %2</translation>
    </message>
    <message>
        <source>Clock agrees with %1 at %2</source>
        <translation>Clock agrees with %1 at %2</translation>
    </message>
    <message>
        <source>Clock set from %1 at %2</source>
        <translation>Clock set from %1 at %2</translation>
    </message>
    <message>
        <source>Held back: %1 says this computer is %2 s %3. A change over 60 s needs %4 answers at least 64 s apart that agree within 1 s; %5 so far</source>
        <translation>Held back: %1 says this computer is %2 s %3. A change over 60 s needs %4 answers at least 64 s apart that agree within 1 s; %5 so far</translation>
    </message>
    <message>
        <source>Bells follow %1: this computer is %2 s %3</source>
        <translation>Bells follow %1: this computer is %2 s %3</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Log out</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Next bell</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Ring now</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Stop bell</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Today&apos;s bells</translation>
    </message>
    <message>
        <source>Last rings</source>
        <translation>Last rings</translation>
    </message>
    <message>
        <source>Internet time: </source>
        <translation>Internet time: </translation>
    </message>
    <message>
        <source>Time: PC clock</source>
        <translation>Time: PC clock</translation>
    </message>
    <message>
        <source>Error </source>
        <translation>Error </translation>
    </message>
    <message>
        <source>en</source>
        <translation>en</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>HOLIDAY</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>Too many failed log-ins: wait %1 s</source>
        <translation>Too many failed log-ins: wait %1 s</translation>
    </message>
    <message>
        <source>Busy: try again</source>
        <translation>Busy: try again</translation>
    </message>
    <message>
        <source>Stop the schedule? No bell rings until it is started again.</source>
        <translation>Stop the schedule? No bell rings until it is started again.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A file could not be read: %1 (the initial settings are used)</source>
        <translation>A file could not be read: %1 (the initial settings are used)</translation>
    </message>
    <message>
        <source>The schedule is running.</source>
        <translation>The schedule is running.</translation>
    </message>
    <message>
        <source>The schedule is stopped.</source>
        <translation>The schedule is stopped.</translation>
    </message>
    <message>
        <source>Say now</source>
        <translation>Say now</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>Words to say</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>Say</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Views</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Bells</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>All days</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Templet %1</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Changed meanwhile elsewhere: shown as it is now</source>
        <translation>Changed meanwhile elsewhere: shown as it is now</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>Time mode</source>
        <translation>Time mode</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>Auto interval</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Manual input</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>Apply week</translation>
    </message>
    <message>
        <source>Set each day</source>
        <translation>Set each day</translation>
    </message>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>No rings</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copy to...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Settings of</source>
        <translation>Settings of</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>End time</translation>
    </message>
    <message>
        <source>Work (minutes)</source>
        <translation>Work (minutes)</translation>
    </message>
    <message>
        <source>Rest (minutes)</source>
        <translation>Rest (minutes)</translation>
    </message>
    <message>
        <source>Start bell</source>
        <translation>Start bell</translation>
    </message>
    <message>
        <source>End bell</source>
        <translation>End bell</translation>
    </message>
    <message>
        <source>Alarm after start bell</source>
        <translation>Alarm after start bell</translation>
    </message>
    <message>
        <source>Minutes after</source>
        <translation>Minutes after</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Alarm sound</translation>
    </message>
    <message>
        <source>Alarm before end bell</source>
        <translation>Alarm before end bell</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minutes before</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Emergency signals</source>
        <translation>Emergency signals</translation>
    </message>
    <message>
        <source>Repeat (seconds)</source>
        <translation>Repeat (seconds)</translation>
    </message>
    <message>
        <source>Unknown signal.</source>
        <translation>Unknown signal.</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>A bell is sounding.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>The sound could not be played.</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <translation>Alarm: %1</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Hold a button for 2 seconds.</source>
        <translation>Hold a button for 2 seconds.</translation>
    </message>
    <message>
        <source>Lockdown</source>
        <translation>Lockdown</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>Evacuation</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>All clear</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>No bells</translation>
    </message>
    <message>
        <source>Bells of %1</source>
        <translation>Bells of %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Add sound...</translation>
    </message>
    <message>
        <source>Import it all the same</source>
        <translation>Import it all the same</translation>
    </message>
    <message>
        <source>Import these days</source>
        <translation>Import these days</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Holidays</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Rings</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>Import a holiday calendar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Outputs (one a line; none: the default output)</source>
        <translation>Outputs (one a line; none: the default output)</translation>
    </message>
    <message>
        <source>School clock ahead (seconds)</source>
        <translation>School clock ahead (seconds)</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Internet time</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>No com sound</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>Auto execution</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>Reservation Exit</translation>
    </message>
    <message>
        <source>Exit time</source>
        <translation>Exit time</translation>
    </message>
</context>
<context>
    <name>WebPasswordCommand</name>
    <message>
        <source>New web page password: </source>
        <translation>New web page password: </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>The same again: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>no password was given</translation>
    </message>
    <message>
        <source>the password is longer than 1024 bytes</source>
        <translation>the password is longer than 1024 bytes</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>the two passwords differ</translation>
    </message>
    <message>
        <source>the password could not be hashed (out of memory)</source>
        <translation>the password could not be hashed (out of memory)</translation>
    </message>
    <message>
        <source>tollix: %1; nothing was written</source>
        <translation>tollix: %1; nothing was written</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1</source>
        <translation>The web page&apos;s password is set in %1</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1 (the page stays off until a port is set)</source>
        <translation>The web page&apos;s password is set in %1 (the page stays off until a port is set)</translation>
    </message>
    <message>
        <source>the password is shorter than %1 characters</source>
        <translation>the password is shorter than %1 characters</translation>
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
        <translation>Warning</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The public time servers are used.</source>
        <translation>A file could not be read: %1
The public time servers are used.</translation>
    </message>
    <message>
        <source>TOLLIX runs already; it is not started a second time.</source>
        <translation>TOLLIX runs already; it is not started a second time.</translation>
    </message>
    <message>
        <source>TOLLIX runs as a service and rings the bells; it is not started a second time.</source>
        <translation>TOLLIX runs as a service and rings the bells; it is not started a second time.</translation>
    </message>
    <message>
        <source>TOLLIX does not run.</source>
        <translation>TOLLIX does not run.</translation>
    </message>
    <message>
        <source>TOLLIX does not run: the signal was not given.</source>
        <translation>TOLLIX does not run: the signal was not given.</translation>
    </message>
    <message>
        <source>No new copy of the calendar %1 waits for acceptance.</source>
        <translation>No new copy of the calendar %1 waits for acceptance.</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The signals sound in this building only.</source>
        <translation>A file could not be read: %1
The signals sound in this building only.</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmBanner</name>
    <message>
        <source>Every bell is held until All clear.</source>
        <translation>Every bell is held until All clear.</translation>
    </message>
    <message>
        <source>All clear...</source>
        <translation>All clear...</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>All clear</translation>
    </message>
    <message>
        <source>End the signal and ring the bells again?</source>
        <translation>End the signal and ring the bells again?</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmWindow</name>
    <message>
        <source>Lockdown</source>
        <translation>Lockdown</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>Evacuation</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>All clear</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Lockdown...</source>
        <translation>Lockdown...</translation>
    </message>
    <message>
        <source>Evacuation...</source>
        <translation>Evacuation...</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Again after (s, 0: at once)</source>
        <translation>Again after (s, 0: at once)</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Try</translation>
    </message>
    <message>
        <source>The sound cannot be tried now: a bell or a signal sounds, or the file cannot be played.</source>
        <translation>The sound cannot be tried now: a bell or a signal sounds, or the file cannot be played.</translation>
    </message>
    <message>
        <source>Sound the %1 signal on every speaker now?
Every bell is held until All clear.</source>
        <translation>Sound the %1 signal on every speaker now?
Every bell is held until All clear.</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>The setting could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>tollix::CopyToDialog</name>
    <message>
        <source>Copy to...</source>
        <translation>Copy to...</translation>
    </message>
</context>
<context>
    <name>tollix::FramelessWindow</name>
    <message>
        <source>TOLLIX-Stop</source>
        <translation>TOLLIX-Stop</translation>
    </message>
    <message>
        <source>TOLLIX-Excuting...</source>
        <translation>TOLLIX-Excuting...</translation>
    </message>
</context>
<context>
    <name>tollix::FrmBellCount</name>
    <message>
        <source>Countdown next bell</source>
        <translation>Countdown to the next bell</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
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
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
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
        <translation>Resume</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Time left</translation>
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
        <translation>Small window</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Resume</translation>
    </message>
</context>
<context>
    <name>tollix::FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <translation>The Internet time server could not be reached, so the time cannot be corrected.</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <translation>Please check that the network is working.</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <translation>If this warning opens often, the network is unstable and internet time cannot be used.</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of TOLLIX main window.</source>
        <translation>In that case, please clear the [Internet time] check box in the TOLLIX main window.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tollix::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Keyboard&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Ctrl+S&lt;/b&gt; Start, &lt;b&gt;Ctrl+T&lt;/b&gt; Stop, &lt;b&gt;Ctrl+R&lt;/b&gt; Ring now, &lt;b&gt;Esc&lt;/b&gt; stops the bell that sounds. &lt;b&gt;Enter&lt;/b&gt; in the minute field adds the time, &lt;b&gt;Del&lt;/b&gt; in the list deletes the selected time. &lt;b&gt;Tab&lt;/b&gt; goes from control to control; the arrow keys and the mouse wheel change the numbers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Keyboard&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Ctrl+S&lt;/b&gt; Start, &lt;b&gt;Ctrl+T&lt;/b&gt; Stop, &lt;b&gt;Ctrl+R&lt;/b&gt; Ring now, &lt;b&gt;Esc&lt;/b&gt; stops the bell that sounds. &lt;b&gt;Enter&lt;/b&gt; in the minute field adds the time, &lt;b&gt;Del&lt;/b&gt; in the list deletes the selected time. &lt;b&gt;Tab&lt;/b&gt; goes from control to control; the arrow keys and the mouse wheel change the numbers.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;The bell ringer for schools and workplaces.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Program folder&lt;/b&gt; (settings and sounds):&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ring record&lt;/b&gt; (every bell and what became of it):&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Copyright 2026 the Tollix developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;The bell ringer for schools and workplaces.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Program folder&lt;/b&gt; (settings and sounds):&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ring record&lt;/b&gt; (every bell and what became of it):&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Copyright 2026 the Tollix developers. All rights reserved.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Points of caution&lt;/h3&gt;&lt;p&gt;&lt;b&gt;The clock is the 24-hour clock.&lt;/b&gt; 5 PM is 17 hr, midnight is 0 hr. A bell at 17 hr 30 min rings at half past five in the afternoon.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sounds&lt;/b&gt; are the .mp3, .wav, .wma, .ogg and .flac files in the sound folder:&lt;br&gt;%1&lt;br&gt;Copy your bells there, or use &quot;Add sound...&quot; under the list: the list of sounds follows the folder while TOLLIX runs.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Auto interval&lt;/b&gt; makes the bells for you: from the start time, a work bell, then after the work time a rest bell, then after the rest time the next work bell, and so on until the end time. &lt;b&gt;Manual input&lt;/b&gt; rings only the times you add to the list, each with its own sound.&lt;/p&gt;&lt;p&gt;&lt;b&gt;No com sound&lt;/b&gt; keeps the speakers silent between bells, so music or videos of other programs are not heard in class. The speakers are on for each bell and again when TOLLIX ends.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Points of caution&lt;/h3&gt;&lt;p&gt;&lt;b&gt;The clock is the 24-hour clock.&lt;/b&gt; 5 PM is 17 hr, midnight is 0 hr. A bell at 17 hr 30 min rings at half past five in the afternoon.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sounds&lt;/b&gt; are the .mp3, .wav, .wma, .ogg and .flac files in the sound folder:&lt;br&gt;%1&lt;br&gt;Copy your bells there, or use &quot;Add sound...&quot; under the list: the list of sounds follows the folder while TOLLIX runs.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Auto interval&lt;/b&gt; makes the bells for you: from the start time, a work bell, then after the work time a rest bell, then after the rest time the next work bell, and so on until the end time. &lt;b&gt;Manual input&lt;/b&gt; rings only the times you add to the list, each with its own sound.&lt;/p&gt;&lt;p&gt;&lt;b&gt;No com sound&lt;/b&gt; keeps the speakers silent between bells, so music or videos of other programs are not heard in class. The speakers are on for each bell and again when TOLLIX ends.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Play music list&lt;/h3&gt;&lt;p&gt;A bell can be a list of music instead of one sound, for example during a break.&lt;/p&gt;&lt;p&gt;Make a folder inside the sound folder (%1) and name it with the number of minutes it plays, an underscore and a name: &lt;b&gt;15_lunch&lt;/b&gt; plays for 15 minutes.&lt;/p&gt;&lt;p&gt;Put .mp3, .wav, .wma, .ogg or .flac files in it. They play one after another in the order of their names, and again from the first until the minutes are over. A file whose name starts with &lt;b&gt;##&lt;/b&gt; plays once at the beginning.&lt;/p&gt;&lt;p&gt;In the last four seconds the music fades out. A new folder appears in the list of sounds by itself, a moment after it is made.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Play music list&lt;/h3&gt;&lt;p&gt;A bell can be a list of music instead of one sound, for example during a break.&lt;/p&gt;&lt;p&gt;Make a folder inside the sound folder (%1) and name it with the number of minutes it plays, an underscore and a name: &lt;b&gt;15_lunch&lt;/b&gt; plays for 15 minutes.&lt;/p&gt;&lt;p&gt;Put .mp3, .wav, .wma, .ogg or .flac files in it. They play one after another in the order of their names, and again from the first until the minutes are over. A file whose name starts with &lt;b&gt;##&lt;/b&gt; plays once at the beginning.&lt;/p&gt;&lt;p&gt;In the last four seconds the music fades out. A new folder appears in the list of sounds by itself, a moment after it is made.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tollix::HolidaysWindow</name>
    <message>
        <source>Holidays</source>
        <translation>Holidays</translation>
    </message>
    <message>
        <source>Name, for example Winter holidays</source>
        <translation>Name, for example Winter holidays</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>No bells</translation>
    </message>
    <message>
        <source>Make-up day with the bells of</source>
        <translation>Make-up day with the bells of</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Import calendar (.ics)...</source>
        <translation>Import calendar (.ics)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>A date or a range</source>
        <translation>A date or a range</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Make-up day</source>
        <translation>Make-up day</translation>
    </message>
    <message>
        <source>Rules of %1</source>
        <translation>Rules of %1</translation>
    </message>
    <message>
        <source>The file cannot be used: %1</source>
        <translation>The file cannot be used: %1</translation>
    </message>
    <message>
        <source>Line %1 is not read: %2</source>
        <translation>Line %1 is not read: %2</translation>
    </message>
    <message>
        <source>Select a rule to delete.</source>
        <translation>Select a rule to delete.</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>Import a holiday calendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar files (*.ics);;All files (*)</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 was not imported: %2</translation>
    </message>
    <message>
        <source>Import it all the same?</source>
        <translation>Import it all the same?</translation>
    </message>
    <message>
        <source>Import these days?</source>
        <translation>Import these days?</translation>
    </message>
    <message>
        <source>%1 holidays imported</source>
        <translation>%1 holidays imported</translation>
    </message>
    <message>
        <source>, %1 events with a time of day skipped</source>
        <translation>, %1 events with a time of day skipped</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The holidays cannot be saved: %1</source>
        <translation>The holidays cannot be saved: %1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Days without bells and make-up days</source>
        <translation>Days without bells and make-up days</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Weekday whose bells ring</source>
        <translation>Weekday whose bells ring</translation>
    </message>
    <message>
        <source>Special day with the bells of</source>
        <translation>Special day with the bells of</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Template %1</translation>
    </message>
    <message>
        <source>Special day</source>
        <translation>Special day</translation>
    </message>
    <message>
        <source>Template of the special day</source>
        <translation>Template of the special day</translation>
    </message>
    <message>
        <source>Templet %1 holds no bells: a special day with it would ring nothing. Put its bells in first.</source>
        <translation>Template %1 holds no bells: a special day with it would ring nothing. Put its bells in first.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Days of the month</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>From the subscribed calendar %1</source>
        <translation>From the subscribed calendar %1</translation>
    </message>
    <message>
        <source>Subscribed: %1, %2 rules</source>
        <translation>Subscribed: %1, %2 rules</translation>
    </message>
    <message>
        <source>, fetched %1</source>
        <translation>, fetched %1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation> (http: local network only)</translation>
    </message>
    <message>
        <source>The last fetch failed: %1; the last good copy is used.</source>
        <translation>The last fetch failed: %1; the last good copy is used.</translation>
    </message>
    <message>
        <source>A new copy of %1 waits: %2
%3</source>
        <translation>A new copy of %1 waits: %2
%3</translation>
    </message>
    <message>
        <source>Take the new copy of %1</source>
        <translation>Take the new copy of %1</translation>
    </message>
    <message>
        <source>Take the new copy of %1 with the days it changes?</source>
        <translation>Take the new copy of %1 with the days it changes?</translation>
    </message>
</context>
<context>
    <name>tollix::MenuWindows</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Play music list</source>
        <translation>Play music list</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Infomation</translation>
    </message>
</context>
<context>
    <name>tollix::OutputsWindow</name>
    <message>
        <source>Outputs</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Outputs the bells play on</source>
        <translation>Outputs the bells play on</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (missing)</translation>
    </message>
    <message>
        <source>The bells play on every output ticked, all at once.
None ticked: the default output. Another computer&apos;s speakers are an output too
(a network sink of the sound server: see the README). Relays and IP speakers
listed below the outputs switch and play with every bell.</source>
        <translation>The bells play on every output ticked, all at once.
None ticked: the default output. Another computer&apos;s speakers are an output too
(a network sink of the sound server: see the README). Relays and IP speakers
listed below the outputs switch and play with every bell.</translation>
    </message>
    <message>
        <source>Rings the selected bell on the outputs ticked, or switches the selected relay, or plays the bell on the selected IP speakers</source>
        <translation>Rings the selected bell on the outputs ticked, or switches the selected relay, or plays the bell on the selected IP speakers</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Takes the selected relay or IP speakers off the list</source>
        <translation>Takes the selected relay or IP speakers off the list</translation>
    </message>
    <message>
        <source>Relay ON command</source>
        <translation>Relay ON command</translation>
    </message>
    <message>
        <source>Relay OFF command</source>
        <translation>Relay OFF command</translation>
    </message>
    <message>
        <source>Seconds the relay stays on</source>
        <translation>Seconds the relay stays on</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>for the sound</source>
        <translation>for the sound</translation>
    </message>
    <message>
        <source>Add relay</source>
        <translation>Add relay</translation>
    </message>
    <message>
        <source>Relay (a hard-wired bell)</source>
        <translation>Relay (a hard-wired bell)</translation>
    </message>
    <message>
        <source>ON command:</source>
        <translation>ON command:</translation>
    </message>
    <message>
        <source>OFF command:</source>
        <translation>OFF command:</translation>
    </message>
    <message>
        <source>On for:</source>
        <translation>On for:</translation>
    </message>
    <message>
        <source>Multicast group of the IP speakers</source>
        <translation>Multicast group of the IP speakers</translation>
    </message>
    <message>
        <source>Port of the IP speakers</source>
        <translation>Port of the IP speakers</translation>
    </message>
    <message>
        <source>Add IP speakers</source>
        <translation>Add IP speakers</translation>
    </message>
    <message>
        <source>IP speakers (multicast RTP, G.711)</source>
        <translation>IP speakers (multicast RTP, G.711)</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Relay: %1</source>
        <translation>Relay: %1</translation>
    </message>
    <message>
        <source> (on for %1 s)</source>
        <translation> (on for %1 s)</translation>
    </message>
    <message>
        <source>IP speakers: %1:%2</source>
        <translation>IP speakers: %1:%2</translation>
    </message>
    <message>
        <source>%1 (unusable: %2)</source>
        <translation>%1 (unusable: %2)</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Not added: %1</translation>
    </message>
    <message>
        <source>Not tried: a bell sounds on it now, or no bell is selected.</source>
        <translation>Not tried: a bell sounds on it now, or no bell is selected.</translation>
    </message>
</context>
<context>
    <name>tollix::QtCalendarFetch</name>
    <message>
        <source>the certificate authority %1 cannot be read</source>
        <translation>the certificate authority %1 cannot be read</translation>
    </message>
    <message>
        <source>the calendar is larger than 16 MB</source>
        <translation>the calendar is larger than 16 MB</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>the server answered %1 %2</translation>
    </message>
</context>
<context>
    <name>tollix::RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>Ring log</translation>
    </message>
    <message>
        <source>The last %1 bells, newest at the bottom. Kept in %2</source>
        <translation>The last %1 bells, newest at the bottom. Kept in %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>No bell has rung yet.</source>
        <translation>No bell has rung yet.</translation>
    </message>
</context>
<context>
    <name>tollix::SchoolClockWindow</name>
    <message>
        <source>Align to school clock</source>
        <translation>Align to school clock</translation>
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
        <translation>Ring now at the next full minute</translation>
    </message>
    <message>
        <source>The selected bell rings at every full minute of school time while this is checked: move the clock until it rings with the school&apos;s.</source>
        <translation>The selected bell rings at every full minute of school time while this is checked: move the clock until it rings with the school&apos;s.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>The school&apos;s clocks are ahead by</source>
        <translation>The school&apos;s clocks are ahead by</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s wall clocks are ahead of this computer&apos;s time (behind: less than 0).
Every bell, clock and countdown of TOLLIX goes by school time.</source>
        <translation>Seconds the school&apos;s wall clocks are ahead of this computer&apos;s time (behind: less than 0).
Every bell, clock and countdown of TOLLIX goes by school time.</translation>
    </message>
    <message>
        <source>School clock: %1 s ahead</source>
        <translation>School clock: %1 s ahead</translation>
    </message>
    <message>
        <source>School clock: %1 s behind</source>
        <translation>School clock: %1 s behind</translation>
    </message>
    <message>
        <source>School time %1:%2:%3</source>
        <translation>School time %1:%2:%3</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s clocks are ahead</source>
        <translation>Seconds the school&apos;s clocks are ahead</translation>
    </message>
</context>
<context>
    <name>tollix::SoundListPanel</name>
    <message>
        <source>Add sound</source>
        <translation>Add sound</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>A bell is sounding.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>The sound could not be played.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>The sound folder holds another %1. Replace it?</source>
        <translation>The sound folder holds another %1. Replace it?</translation>
    </message>
    <message>
        <source>Not added:%1</source>
        <translation>Not added:%1</translation>
    </message>
    <message>
        <source>Sounds (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</source>
        <translation>Sounds (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</translation>
    </message>
    <message>
        <source>Cannot be spoken: %1</source>
        <translation>Cannot be spoken: %1</translation>
    </message>
</context>
<context>
    <name>tollix::WebPageWindow</name>
    <message>
        <source>Web page</source>
        <translation>Web page</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Port (0: off)</source>
        <translation>Port (0: off)</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>The same again</source>
        <translation>The same again</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>The two passwords differ.</translation>
    </message>
    <message>
        <source>Set a password first.</source>
        <translation>Set a password first.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Saving…</translation>
    </message>
    <message>
        <source>The password could not be hashed.</source>
        <translation>The password could not be hashed.</translation>
    </message>
    <message>
        <source>The page is off: %1</source>
        <translation>The page is off: %1</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>The page is off.</translation>
    </message>
    <message>
        <source>Open %1 on a computer or phone of the school&apos;s network.</source>
        <translation>Open %1 on a computer or phone in the school&apos;s network.</translation>
    </message>
    <message>
        <source>The password is shorter than %1 characters.</source>
        <translation>The password is shorter than %1 characters.</translation>
    </message>
</context>
<context>
    <name>tollix::isAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <translation>Scheduled computer shutdown</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <translation>Shutdown time (24-hour clock)</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>Hour: please enter a number from 0 to 23</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>Minutes: please enter a number from 0 to 59</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hour</translation>
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
        <translation>Start at log-on</translation>
    </message>
    <message>
        <source>Auto execution way</source>
        <translation>How to start at log-on</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <translation>Start in the tray</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <translation>Start with the window shown</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>tollix::main</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The initial settings are used, and the file is kept as it is until a setting it holds is changed.</source>
        <translation>A file could not be read: %1
The initial settings are used, and the file is kept as it is until a setting it holds is changed.</translation>
    </message>
    <message>
        <source>The ring record cannot be kept: %1
The bells ring all the same.</source>
        <translation>The ring record cannot be kept: %1
The bells ring all the same.</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>Reading the sound folder %1</source>
        <translation>Reading the sound folder %1</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Error Number : 
%1 failed: %2</source>
        <translation>Error:
%1 failed: %2</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>The setting could not be saved: %1</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>All days</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <translation>Click the arrows right of [Select day] to set each day&apos;s bell times.</translation>
    </message>
    <message>
        <source>templet%1</source>
        <translation>template%1</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>No bells today: %1</source>
        <translation>No bells today: %1</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>HOLIDAY</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>No bells today</translation>
    </message>
    <message>
        <source>Make-up day: %1&apos;s bells%2</source>
        <translation>Make-up day: the bells of %1%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>Delete all times in the list?</translation>
    </message>
    <message>
        <source>Replace the %1 bells in the list with Templet %2?</source>
        <translation>Replace the %1 bells in the list with Template %2?</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>Keeps the computer&apos;s clock on standard time from the internet.</translation>
    </message>
    <message>
        <source>TOLLIX cannot be set to start at log-on: %1</source>
        <translation>TOLLIX cannot be set to start at log-on: %1</translation>
    </message>
    <message>
        <source>The start entry at log-on could not be removed: %1</source>
        <translation>The start entry at log-on could not be removed: %1</translation>
    </message>
    <message>
        <source>The computer could not be switched off at the reserved time.
%1</source>
        <translation>The computer could not be switched off at the scheduled time.
%1</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <translation>TOLLIX uses the internet time server to keep the computer&apos;s clock on standard time.</translation>
    </message>
    <message>
        <source>Stop all bells and exit TOLLIX?</source>
        <translation>Stop all bells and exit TOLLIX?</translation>
    </message>
    <message>
        <source>Start every weekday from the week&apos;s list?</source>
        <translation>Start every weekday from the week&apos;s list?</translation>
    </message>
    <message>
        <source>Special day: Templet %1%2</source>
        <translation>Special day: Template %1%2</translation>
    </message>
    <message>
        <source>%1 hr %2 min %3 sec</source>
        <translation>%1 hr %2 min %3 sec</translation>
    </message>
    <message>
        <source>The list on screen is empty. These days would lose all their bells: %1
Copy the empty list?</source>
        <translation>The list on screen is empty. These days would lose all their bells: %1
Copy the empty list?</translation>
    </message>
    <message>
        <source>These days have bells of their own: %1
Replace them with the list on screen?</source>
        <translation>These days have bells of their own: %1
Replace them with the list on screen?</translation>
    </message>
    <message>
        <source>These special days would ring no bells, their template holds none:
%1</source>
        <translation>These special days would ring no bells, their template holds none:
%1</translation>
    </message>
    <message>
        <source>No bells set: nothing rings today or on the next five school days</source>
        <translation>No bells set: nothing rings today or on the next five school days</translation>
    </message>
    <message>
        <source>A file changed on disk could not be read: %1
The settings held are kept.</source>
        <translation>A file changed on disk could not be read: %1
The settings held are kept.</translation>
    </message>
    <message>
        <source>The broker %1 cannot be reached: signals sound in this building only.</source>
        <translation>The broker %1 cannot be reached: signals sound in this building only.</translation>
    </message>
    <message>
        <source>Type the words to say.</source>
        <translation>Type the words to say.</translation>
    </message>
    <message>
        <source>At most %1 characters can be said.</source>
        <translation>At most %1 characters can be said.</translation>
    </message>
    <message>
        <source>Words cannot be spoken here.</source>
        <translation>Words cannot be spoken here.</translation>
    </message>
</context>
<context>
    <name>tollix::templet</name>
    <message>
        <source>Select templet</source>
        <translation>Select template</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>Template %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
