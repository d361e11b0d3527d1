<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>conteggo::CanberraPlayer</name>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="52"/>
        <source>file non trovato</source>
        <translation>file not found</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="55"/>
        <source>formato audio non riconosciuto</source>
        <translation>unrecognised audio format</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="58"/>
        <source>accesso negato</source>
        <translation>access denied</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="60"/>
        <source>file troppo grande</source>
        <translation>file too large</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="65"/>
        <source>server audio non disponibile</source>
        <translation>sound server unavailable</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="68"/>
        <source>errore %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="90"/>
        <source>%1 non trovato</source>
        <translation>%1 not found</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="98"/>
        <source>nessun server audio (%1)</source>
        <translation>no audio output (%1)</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="149"/>
        <source>Preavviso a %1: suono non riprodotto</source>
        <extracomment>A desktop notification; %1 is the count as the window showed it when the advance warning was due (0:04:00)</extracomment>
        <translation>Could not play the warning at %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="154"/>
        <source>Allarme a %1: suono non riprodotto</source>
        <extracomment>A desktop notification; %1 is the count as the window showed it when the alarm was due (0:05:00)</extracomment>
        <translation>Could not play the alarm at %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="169"/>
        <source>suono non riprodotto: %1</source>
        <translation>could not play a sound: %1</translation>
    </message>
</context>
<context>
    <name>conteggo::CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="15"/>
        <source>Uso: conteggo [--start | --stop | --toggle | --reset | --show]

Senza opzioni avvia Conteggo. Con un comando agisce sulla copia in esecuzione:
  --start    avvia il conteggio
  --stop     ferma il conteggio
  --toggle   avvia il conteggio se è fermo, altrimenti lo ferma
  --reset    azzera il conteggio (solo se è fermo)
  --show     porta la finestra in primo piano
  -h, --help     mostra questo aiuto
  -v, --version  mostra la versione
Accetta anche le opzioni comuni dei programmi Qt (-style, -platform, -session...).

Se Conteggo non è in esecuzione, --start, --toggle e --show lo avviano.
Stato di uscita: 0 eseguito, 1 rifiutato o Conteggo non in esecuzione, 2 uso errato.
</source>
        <translation>Usage: conteggo [--start | --stop | --toggle | --reset | --show]

With no option, starts Conteggo. With a command, acts on the running Conteggo:
  --start    start the stopwatch
  --stop     stop the stopwatch
  --toggle   start the stopwatch if it is stopped, otherwise stop it
  --reset    reset the stopwatch to zero (only while it is stopped)
  --show     bring the window to the front
  -h, --help     show this help
  -v, --version  show the version
Also accepts the standard Qt options (-style, -platform, -session...).

If Conteggo is not running, --start, --toggle and --show start it.
Exit status: 0 done, 1 refused or Conteggo not running, 2 usage error.
</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="115"/>
        <source>Conteggo: %1 (conteggo --help per l&apos;aiuto)</source>
        <translation>Conteggo: %1 (see conteggo --help)</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="154"/>
        <source>opzione sconosciuta &quot;%1&quot;</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="159"/>
        <source>riga di comando non valida</source>
        <translation>invalid command line</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="163"/>
        <source>argomento inatteso &quot;%1&quot;</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="176"/>
        <source>un solo comando alla volta</source>
        <translation>only one command at a time</translation>
    </message>
</context>
<context>
    <name>conteggo::CountFile</name>
    <message>
        <location filename="../store/count_file.cpp" line="34"/>
        <source>non comincia con un numero</source>
        <translation>it does not start with a number</translation>
    </message>
</context>
<context>
    <name>conteggo::Delivery</name>
    <message>
        <location filename="../instance/verb_channel.cpp" line="96"/>
        <source>la copia in esecuzione non ha risposto</source>
        <translation>the running Conteggo did not respond</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="115"/>
        <source>Conteggo non è in esecuzione</source>
        <translation>Conteggo is not running</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="135"/>
        <source>il socket %1 appartiene a un altro utente</source>
        <translation>socket %1 is owned by another user</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.cpp" line="87"/>
        <source>il conteggio è in corso: fermalo prima di azzerarlo</source>
        <translation>the stopwatch is running: stop it before resetting it</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="37"/>
        <source>il conteggio è già in corso</source>
        <translation>the stopwatch is already running</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="39"/>
        <source>il conteggio è già fermo</source>
        <translation>the stopwatch is already stopped</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="41"/>
        <source>una finestra di Conteggo è aperta: chiudila e riprova</source>
        <translation>a Conteggo dialog is open: close it and try again</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="44"/>
        <source>Conteggo si sta chiudendo</source>
        <translation>Conteggo is closing</translation>
    </message>
</context>
<context>
    <name>conteggo::Dialog</name>
    <message>
        <location filename="../ui/dialog.cpp" line="51"/>
        <source>Imposta allarme</source>
        <translation>Set alarm</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="65"/>
        <source>Suono veramente?</source>
        <extracomment>The check box that switches the alarm on or off</extracomment>
        <translation>Alarm on</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="67"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="70"/>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="74"/>
        <source>Ogni quanti minuti vuoi che suoni?</source>
        <extracomment>Beside the box for the alarm&apos;s interval, in minutes (more than 0, at most 120)</extracomment>
        <translation>minutes between alarms</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="77"/>
        <source>(solo quanto il timer è in funzione)</source>
        <extracomment>Under the check box: the alarm counts only the time during which the stopwatch runs</extracomment>
        <translation>(only while the stopwatch runs)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="82"/>
        <source>Con che anticipo?</source>
        <extracomment>Beside the box for the advance warning, in minutes before each ring</extracomment>
        <translation>minutes&apos; advance warning</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="112"/>
        <source>ERRORE</source>
        <extracomment>Title of the message box that refuses what was typed</extracomment>
        <translation>Invalid settings</translation>
    </message>
    <message>
        <location filename="../ui/dialog.h" line="26"/>
        <source>DATI ERRATI! (max 120)</source>
        <extracomment>Shown when OK finds an interval not above 0 or above 120 minutes, or an advance warning not below the interval</extracomment>
        <translation>Check the numbers: alarms must be more than 0 and at most 120 minutes apart, and the advance warning must be shorter than the time between them.</translation>
    </message>
</context>
<context>
    <name>conteggo::Display</name>
    <message>
        <location filename="../desktop/display_check.cpp" line="99"/>
        <source>manca il plugin Wayland di Qt: installare il pacchetto qt6-wayland, oppure avviare il programma sotto XWayland (con DISPLAY impostato)</source>
        <translation>Qt&apos;s Wayland plugin is missing: install the qt6-wayland package, or run the program under XWayland (with DISPLAY set)</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="104"/>
        <source>impossibile aprire lo schermo Wayland &quot;%1&quot;</source>
        <translation>cannot open Wayland display &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="109"/>
        <source>manca il plugin X11 di Qt: reinstallare il pacchetto libqt6gui6</source>
        <translation>Qt&apos;s X11 plugin is missing: reinstall the libqt6gui6 package</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="114"/>
        <location filename="../desktop/display_check.cpp" line="160"/>
        <source>impossibile aprire lo schermo &quot;%1&quot;</source>
        <translation>cannot open display &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="118"/>
        <source>impossibile avviare la piattaforma grafica &quot;%1&quot; di Qt</source>
        <translation>cannot start the Qt platform plugin &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="145"/>
        <source>nessuno schermo: DISPLAY non è impostato</source>
        <translation>no display: DISPLAY is not set</translation>
    </message>
</context>
<context>
    <name>conteggo::ErrorBox</name>
    <message>
        <location filename="../ui/error_box.cpp" line="12"/>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>conteggo::Form1</name>
    <message>
        <location filename="../ui/form1_layout.cpp" line="68"/>
        <source>PRIMO/SECONDO PIANO</source>
        <extracomment>Tool tip of the eye button: keeps the window above all others, or lets it go behind them</extracomment>
        <translation>Keep on top of other windows (on/off)</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="79"/>
        <source>FORMATO ORARIO (h:m:s / m:s)</source>
        <extracomment>Tool tip of the H/m button: the count as hours, minutes and seconds, or as total minutes and seconds</extracomment>
        <translation>Switch time format (h:m:s / m:s)</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="82"/>
        <source>STOP / PAUSA</source>
        <extracomment>Tool tip of the stop button: stops the count, which the start button resumes</extracomment>
        <translation>Pause the count</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="84"/>
        <source>PARTI / RIPARTI</source>
        <extracomment>Tool tip of the start button: starts the count, or resumes it</extracomment>
        <translation>Start or resume the count</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="87"/>
        <source>AZZERA</source>
        <extracomment>Tool tip of the clock button: sets the count back to 0:00:00</extracomment>
        <translation>Reset the count to zero</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="90"/>
        <source>SUONO?</source>
        <extracomment>Tool tip of the speaker button while the alarm is on: opens its settings</extracomment>
        <translation>Alarm settings</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="98"/>
        <source>INFO</source>
        <extracomment>Tool tip of the &quot;i&quot; that opens the information window</extracomment>
        <translation>About Conteggo</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="180"/>
        <source>Avvia</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="181"/>
        <source>Ferma</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="182"/>
        <source>Azzera</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="184"/>
        <source>Sempre in primo piano: attivo</source>
        <translation>Always on top: on</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="185"/>
        <source>Sempre in primo piano: disattivo</source>
        <translation>Always on top: off</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="186"/>
        <source>Informazioni</source>
        <translation>About Conteggo</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="188"/>
        <source>Tempo trascorso</source>
        <extracomment>A screen reader&apos;s description of the count</extracomment>
        <translation>Elapsed time</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="189"/>
        <source>Avanzamento verso il prossimo suono</source>
        <translation>Progress to the next alarm</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="197"/>
        <source>Formato: minuti e secondi</source>
        <translation>Time format: minutes and seconds</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="198"/>
        <source>Formato: ore, minuti e secondi</source>
        <translation>Time format: hours, minutes and seconds</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="201"/>
        <source>ogni minuto</source>
        <translation>every minute</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="203"/>
        <source>ogni %1 minuti</source>
        <translation>every %1 minutes</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="205"/>
        <source>Allarme attivo, %1: impostazioni</source>
        <extracomment>A screen reader&apos;s name of the speaker button; %1 is &quot;every minute&quot; or &quot;every N minutes&quot;</extracomment>
        <translation>Alarm settings: on, %1</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="206"/>
        <source>Allarme spento: impostazioni</source>
        <translation>Alarm settings: off</translation>
    </message>
</context>
<context>
    <name>conteggo::InstanceLock</name>
    <message>
        <location filename="../instance/instance_lock.cpp" line="73"/>
        <source>impossibile creare il file di blocco %1: %2</source>
        <translation>cannot create lock file %1: %2</translation>
    </message>
    <message>
        <location filename="../instance/instance_lock.cpp" line="76"/>
        <source>al suo posto c&apos;è qualcos&apos;altro</source>
        <translation>something else already has that name</translation>
    </message>
</context>
<context>
    <name>conteggo::PositionFile</name>
    <message>
        <location filename="../store/position_file.cpp" line="95"/>
        <source>la prima riga non è un numero intero</source>
        <translation>the first line is not a whole number</translation>
    </message>
</context>
<context>
    <name>conteggo::ProblemNotices</name>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="16"/>
        <source>File non compreso, conservato a parte</source>
        <extracomment>A desktop notification&apos;s title; its text names the file and where it went</extracomment>
        <translation>Unreadable file set aside</translation>
    </message>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="20"/>
        <source>Salvataggio non riuscito</source>
        <extracomment>A desktop notification&apos;s title; its text names the file and the reason</extracomment>
        <translation>Could not save</translation>
    </message>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="25"/>
        <source>Comando non eseguito</source>
        <extracomment>A desktop notification&apos;s title for a command from the menu or a shortcut (start, stop, reset...) that was refused; its text says why</extracomment>
        <translation>Command refused</translation>
    </message>
</context>
<context>
    <name>conteggo::Program</name>
    <message>
        <location filename="../app/program.cpp" line="36"/>
        <source>info</source>
        <extracomment>Title of the box that tells a second copy the program already runs</extracomment>
        <translation>Conteggo</translation>
    </message>
    <message>
        <location filename="../app/program.cpp" line="37"/>
        <source>Conteggo è già in esecuzione</source>
        <translation>Conteggo is already running</translation>
    </message>
</context>
<context>
    <name>conteggo::ProgressBar</name>
    <message>
        <location filename="../ui/progress_bar.cpp" line="44"/>
        <source>%1 di %2 secondi</source>
        <extracomment>A screen reader&apos;s description of the alarm&apos;s bar: %1 seconds counted of the interval&apos;s %2</extracomment>
        <translation>%1 of %2 seconds</translation>
    </message>
</context>
<context>
    <name>conteggo::RuntimeFolder</name>
    <message>
        <location filename="../instance/runtime_path.cpp" line="25"/>
        <source>non è un percorso assoluto</source>
        <translation>it is not an absolute path</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="29"/>
        <source>percorso troppo lungo per un socket</source>
        <translation>the path is too long for a socket</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="37"/>
        <source>è un collegamento simbolico</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="41"/>
        <source>non è una cartella</source>
        <translation>it is not a folder</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="44"/>
        <source>appartiene a un altro utente</source>
        <translation>it is owned by another user</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="48"/>
        <source>ha i permessi %1 invece di 700</source>
        <translation>its permissions are %1 instead of 700</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="70"/>
        <source>cartella per l&apos;istanza non utilizzabile %1: %2</source>
        <translation>cannot use runtime folder %1: %2</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="85"/>
        <source>XDG_RUNTIME_DIR non usata (%1: %2)</source>
        <translation>ignoring XDG_RUNTIME_DIR (%1: %2)</translation>
    </message>
</context>
<context>
    <name>conteggo::StoredFile</name>
    <message>
        <location filename="../store/file_access.cpp" line="45"/>
        <source>impossibile salvare %1: %2</source>
        <translation>could not save %1: %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="53"/>
        <source>è un collegamento simbolico di un altro utente</source>
        <translation>it is a symbolic link owned by another user</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="137"/>
        <source>%1 non è stato compreso (%2)</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be read or understood</extracomment>
        <translation>could not read %1 (%2)</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="142"/>
        <source>%1: il vecchio file è conservato come %2</source>
        <extracomment>%1 is the line above; %2 the name the old file now has</extracomment>
        <translation>%1; the old file has been renamed to %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="147"/>
        <source>%1 e non si può conservare a parte (%2): non sarà sostituito</source>
        <translation>%1, and it could not be set aside (%2), so it will not be overwritten</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="167"/>
        <source>troppi file conservati</source>
        <translation>too many files already set aside</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="181"/>
        <source>il file non compreso non si può conservare a parte (%1)</source>
        <translation>the unreadable file could not be set aside (%1)</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="186"/>
        <source>il vecchio %1 è conservato come %2</source>
        <translation>the old %1 has been renamed to %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="198"/>
        <source>non è un file regolare</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <location filename="../store/file_replace.cpp" line="83"/>
        <source>il file è in sola lettura</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <location filename="../store/file_replace.cpp" line="112"/>
        <source>la cartella non si può sincronizzare (%1)</source>
        <translation>the folder could not be synced to disk (%1)</translation>
    </message>
</context>
<context>
    <name>conteggo::SystemError</name>
    <message>
        <location filename="../store/system_error.cpp" line="12"/>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="14"/>
        <source>non esiste</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="16"/>
        <source>una parte del percorso non è una cartella</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="19"/>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="21"/>
        <source>troppi collegamenti simbolici</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="24"/>
        <source>nome troppo lungo</source>
        <translation>name too long</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="26"/>
        <source>spazio esaurito sul disco</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="29"/>
        <source>quota del disco superata</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="31"/>
        <source>file system in sola lettura</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="34"/>
        <source>esiste già</source>
        <translation>it already exists</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="36"/>
        <source>la cartella non è vuota</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="39"/>
        <source>in uso</source>
        <translation>it is in use</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="42"/>
        <source>troppi file aperti</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="44"/>
        <source>memoria esaurita</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="46"/>
        <source>errore di lettura o scrittura sul dispositivo</source>
        <translation>read or write error on the device</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="49"/>
        <source>su un altro file system</source>
        <translation>it is on another file system</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="51"/>
        <source>errore di sistema %1</source>
        <translation>system error %1</translation>
    </message>
</context>
<context>
    <name>conteggo::VerbServer</name>
    <message>
        <location filename="../instance/verb_channel.cpp" line="274"/>
        <source>comandi da riga di comando non disponibili: socket %1: %2</source>
        <translation>command-line control unavailable: socket %1: %2</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="305"/>
        <source>connessione di un altro utente</source>
        <translation>it came from another user</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="310"/>
        <source>troppe connessioni in attesa</source>
        <translation>too many connections waiting</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="321"/>
        <source>nessun messaggio in tempo</source>
        <translation>no message received in time</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="340"/>
        <source>messaggio troppo lungo</source>
        <translation>message too long</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="364"/>
        <source>messaggio non valido</source>
        <translation>invalid message</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="374"/>
        <source>il comando non attende più la risposta</source>
        <translation>the command stopped waiting for an answer</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="408"/>
        <source>connessione scartata: %1</source>
        <translation>connection dropped: %1</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="414"/>
        <source>connessioni scartate nell&apos;ultimo minuto: %1 (%2)</source>
        <translation>connections dropped in the last minute: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>conteggo::infomio</name>
    <message>
        <location filename="../ui/infomio.cpp" line="17"/>
        <source>INFO</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="30"/>
        <source>Un cronometro per il tuo lavoro</source>
        <translation>A stopwatch for timing your work</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="34"/>
        <source>COME FUNZIONA:</source>
        <translation>How it works:</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="35"/>
        <source>Il tempo viene salvato automaticamente nel file conteggo.txt ogni 30 secondi o quando lo si ferma o lo si azzera o quando si esce.</source>
        <translation>The time is saved automatically to conteggo.txt every 30 seconds, and whenever you stop, reset or quit.</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="38"/>
        <source>La posizione e l&apos;allarme vengono salvati nel file timerpos.txt quando si esce.</source>
        <translation>The window position and the alarm settings are saved to timerpos.txt when you quit.</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="41"/>
        <source>Simbolo delle informazioni</source>
        <translation>Information icon</translation>
    </message>
</context>
</TS>
