<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it">
<context>
    <name>conteggo::CanberraPlayer</name>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="52"/>
        <source>file non trovato</source>
        <translation>archivo no encontrado</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="55"/>
        <source>formato audio non riconosciuto</source>
        <translation>formato de audio no reconocido</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="58"/>
        <source>accesso negato</source>
        <translation>acceso denegado</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="60"/>
        <source>file troppo grande</source>
        <translation>archivo demasiado grande</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="65"/>
        <source>server audio non disponibile</source>
        <translation>servidor de sonido no disponible</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="68"/>
        <source>errore %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="90"/>
        <source>%1 non trovato</source>
        <translation>no se encontró %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="98"/>
        <source>nessun server audio (%1)</source>
        <translation>sin salida de audio (%1)</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="149"/>
        <source>Preavviso a %1: suono non riprodotto</source>
        <extracomment>A desktop notification; %1 is the count as the window showed it when the advance warning was due (0:04:00)</extracomment>
        <translation>No se pudo reproducir el aviso previo en %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="154"/>
        <source>Allarme a %1: suono non riprodotto</source>
        <extracomment>A desktop notification; %1 is the count as the window showed it when the alarm was due (0:05:00)</extracomment>
        <translation>No se pudo reproducir la alarma en %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="169"/>
        <source>suono non riprodotto: %1</source>
        <translation>no se pudo reproducir un sonido: %1</translation>
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
        <translation>Uso: conteggo [--start | --stop | --toggle | --reset | --show]

Sin opciones, inicia Conteggo. Con un comando, controla el Conteggo en ejecución:
  --start    inicia el cronómetro
  --stop     detiene el cronómetro
  --toggle   inicia el cronómetro si está detenido; si no, lo detiene
  --reset    pone el cronómetro a cero (solo si está detenido)
  --show     trae la ventana al frente
  -h, --help     muestra esta ayuda
  -v, --version  muestra la versión
También acepta las opciones estándar de Qt (-style, -platform, -session...).

Si Conteggo no está en ejecución, --start, --toggle y --show lo inician.
Estado de salida: 0 hecho, 1 rechazado o Conteggo no iniciado, 2 uso incorrecto.
</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="115"/>
        <source>Conteggo: %1 (conteggo --help per l&apos;aiuto)</source>
        <translation>Conteggo: %1 (consulte conteggo --help)</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="154"/>
        <source>opzione sconosciuta &quot;%1&quot;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="159"/>
        <source>riga di comando non valida</source>
        <translation>línea de comandos no válida</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="163"/>
        <source>argomento inatteso &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="176"/>
        <source>un solo comando alla volta</source>
        <translation>solo se admite un comando a la vez</translation>
    </message>
</context>
<context>
    <name>conteggo::CountFile</name>
    <message>
        <location filename="../store/count_file.cpp" line="34"/>
        <source>non comincia con un numero</source>
        <translation>no empieza por un número</translation>
    </message>
</context>
<context>
    <name>conteggo::Delivery</name>
    <message>
        <location filename="../instance/verb_channel.cpp" line="96"/>
        <source>la copia in esecuzione non ha risposto</source>
        <translation>el Conteggo en ejecución no respondió</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="115"/>
        <source>Conteggo non è in esecuzione</source>
        <translation>Conteggo no está en ejecución</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="135"/>
        <source>il socket %1 appartiene a un altro utente</source>
        <translation>el socket %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.cpp" line="87"/>
        <source>il conteggio è in corso: fermalo prima di azzerarlo</source>
        <translation>el cronómetro está en marcha: deténgalo antes de ponerlo a cero</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="37"/>
        <source>il conteggio è già in corso</source>
        <translation>el cronómetro ya está en marcha</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="39"/>
        <source>il conteggio è già fermo</source>
        <translation>el cronómetro ya está detenido</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="41"/>
        <source>una finestra di Conteggo è aperta: chiudila e riprova</source>
        <translation>hay un diálogo de Conteggo abierto: ciérrelo y vuelva a intentarlo</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="44"/>
        <source>Conteggo si sta chiudendo</source>
        <translation>Conteggo se está cerrando</translation>
    </message>
</context>
<context>
    <name>conteggo::Dialog</name>
    <message>
        <location filename="../ui/dialog.cpp" line="51"/>
        <source>Imposta allarme</source>
        <translation>Configurar alarma</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="65"/>
        <source>Suono veramente?</source>
        <extracomment>The check box that switches the alarm on or off</extracomment>
        <translation>Alarma activada</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="67"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="70"/>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="74"/>
        <source>Ogni quanti minuti vuoi che suoni?</source>
        <extracomment>Beside the box for the alarm&apos;s interval, in minutes (more than 0, at most 120)</extracomment>
        <translation>minutos entre alarmas</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="77"/>
        <source>(solo quanto il timer è in funzione)</source>
        <extracomment>Under the check box: the alarm counts only the time during which the stopwatch runs</extracomment>
        <translation>(solo con el cronómetro activo)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="82"/>
        <source>Con che anticipo?</source>
        <extracomment>Beside the box for the advance warning, in minutes before each ring</extracomment>
        <translation>minutos de aviso previo</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="112"/>
        <source>ERRORE</source>
        <extracomment>Title of the message box that refuses what was typed</extracomment>
        <translation>Configuración no válida</translation>
    </message>
    <message>
        <location filename="../ui/dialog.h" line="26"/>
        <source>DATI ERRATI! (max 120)</source>
        <extracomment>Shown when OK finds an interval not above 0 or above 120 minutes, or an advance warning not below the interval</extracomment>
        <translation>Revise los números: el intervalo entre alarmas debe ser mayor que 0 y de 120 minutos como máximo, y el aviso previo debe ser menor que ese intervalo.</translation>
    </message>
</context>
<context>
    <name>conteggo::Display</name>
    <message>
        <location filename="../desktop/display_check.cpp" line="99"/>
        <source>manca il plugin Wayland di Qt: installare il pacchetto qt6-wayland, oppure avviare il programma sotto XWayland (con DISPLAY impostato)</source>
        <translation>falta el complemento Wayland de Qt: instale el paquete qt6-wayland o inicie el programa en XWayland (con DISPLAY definida)</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="104"/>
        <source>impossibile aprire lo schermo Wayland &quot;%1&quot;</source>
        <translation>no se puede abrir la pantalla Wayland «%1»</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="109"/>
        <source>manca il plugin X11 di Qt: reinstallare il pacchetto libqt6gui6</source>
        <translation>falta el complemento X11 de Qt: reinstale el paquete libqt6gui6</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="114"/>
        <location filename="../desktop/display_check.cpp" line="160"/>
        <source>impossibile aprire lo schermo &quot;%1&quot;</source>
        <translation>no se puede abrir la pantalla «%1»</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="118"/>
        <source>impossibile avviare la piattaforma grafica &quot;%1&quot; di Qt</source>
        <translation>no se puede iniciar la plataforma de Qt «%1»</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="145"/>
        <source>nessuno schermo: DISPLAY non è impostato</source>
        <translation>no hay pantalla: DISPLAY no está definida</translation>
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
        <translation>Siempre encima (activar/desactivar)</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="79"/>
        <source>FORMATO ORARIO (h:m:s / m:s)</source>
        <extracomment>Tool tip of the H/m button: the count as hours, minutes and seconds, or as total minutes and seconds</extracomment>
        <translation>Cambiar el formato del tiempo (h:m:s / m:s)</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="82"/>
        <source>STOP / PAUSA</source>
        <extracomment>Tool tip of the stop button: stops the count, which the start button resumes</extracomment>
        <translation>Pausar el cronómetro</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="84"/>
        <source>PARTI / RIPARTI</source>
        <extracomment>Tool tip of the start button: starts the count, or resumes it</extracomment>
        <translation>Iniciar o reanudar el cronómetro</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="87"/>
        <source>AZZERA</source>
        <extracomment>Tool tip of the clock button: sets the count back to 0:00:00</extracomment>
        <translation>Poner el cronómetro a cero</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="90"/>
        <source>SUONO?</source>
        <extracomment>Tool tip of the speaker button while the alarm is on: opens its settings</extracomment>
        <translation>Configuración de la alarma</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="98"/>
        <source>INFO</source>
        <extracomment>Tool tip of the &quot;i&quot; that opens the information window</extracomment>
        <translation>Acerca de Conteggo</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="180"/>
        <source>Avvia</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="181"/>
        <source>Ferma</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="182"/>
        <source>Azzera</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="184"/>
        <source>Sempre in primo piano: attivo</source>
        <translation>Siempre encima: activado</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="185"/>
        <source>Sempre in primo piano: disattivo</source>
        <translation>Siempre encima: desactivado</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="186"/>
        <source>Informazioni</source>
        <translation>Acerca de Conteggo</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="188"/>
        <source>Tempo trascorso</source>
        <extracomment>A screen reader&apos;s description of the count</extracomment>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="189"/>
        <source>Avanzamento verso il prossimo suono</source>
        <translation>Progreso hasta la próxima alarma</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="197"/>
        <source>Formato: minuti e secondi</source>
        <translation>Formato: minutos y segundos</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="198"/>
        <source>Formato: ore, minuti e secondi</source>
        <translation>Formato: horas, minutos y segundos</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="201"/>
        <source>ogni minuto</source>
        <translation>cada minuto</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="203"/>
        <source>ogni %1 minuti</source>
        <translation>cada %1 minutos</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="205"/>
        <source>Allarme attivo, %1: impostazioni</source>
        <extracomment>A screen reader&apos;s name of the speaker button; %1 is &quot;every minute&quot; or &quot;every N minutes&quot;</extracomment>
        <translation>Configuración de la alarma: activada, %1</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="206"/>
        <source>Allarme spento: impostazioni</source>
        <translation>Configuración de la alarma: desactivada</translation>
    </message>
</context>
<context>
    <name>conteggo::InstanceLock</name>
    <message>
        <location filename="../instance/instance_lock.cpp" line="73"/>
        <source>impossibile creare il file di blocco %1: %2</source>
        <translation>no se puede crear el archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <location filename="../instance/instance_lock.cpp" line="76"/>
        <source>al suo posto c&apos;è qualcos&apos;altro</source>
        <translation>ya existe otro elemento con ese nombre</translation>
    </message>
</context>
<context>
    <name>conteggo::PositionFile</name>
    <message>
        <location filename="../store/position_file.cpp" line="95"/>
        <source>la prima riga non è un numero intero</source>
        <translation>la primera línea no es un número entero</translation>
    </message>
</context>
<context>
    <name>conteggo::ProblemNotices</name>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="16"/>
        <source>File non compreso, conservato a parte</source>
        <extracomment>A desktop notification&apos;s title; its text names the file and where it went</extracomment>
        <translation>Archivo ilegible guardado aparte</translation>
    </message>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="20"/>
        <source>Salvataggio non riuscito</source>
        <extracomment>A desktop notification&apos;s title; its text names the file and the reason</extracomment>
        <translation>No se pudo guardar</translation>
    </message>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="25"/>
        <source>Comando non eseguito</source>
        <extracomment>A desktop notification&apos;s title for a command from the menu or a shortcut (start, stop, reset...) that was refused; its text says why</extracomment>
        <translation>Comando rechazado</translation>
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
        <translation>Conteggo ya está en ejecución</translation>
    </message>
</context>
<context>
    <name>conteggo::ProgressBar</name>
    <message>
        <location filename="../ui/progress_bar.cpp" line="44"/>
        <source>%1 di %2 secondi</source>
        <extracomment>A screen reader&apos;s description of the alarm&apos;s bar: %1 seconds counted of the interval&apos;s %2</extracomment>
        <translation>%1 de %2 segundos</translation>
    </message>
</context>
<context>
    <name>conteggo::RuntimeFolder</name>
    <message>
        <location filename="../instance/runtime_path.cpp" line="25"/>
        <source>non è un percorso assoluto</source>
        <translation>no es una ruta absoluta</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="29"/>
        <source>percorso troppo lungo per un socket</source>
        <translation>la ruta es demasiado larga para un socket</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="37"/>
        <source>è un collegamento simbolico</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="41"/>
        <source>non è una cartella</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="44"/>
        <source>appartiene a un altro utente</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="48"/>
        <source>ha i permessi %1 invece di 700</source>
        <translation>tiene los permisos %1 en lugar de 700</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="70"/>
        <source>cartella per l&apos;istanza non utilizzabile %1: %2</source>
        <translation>no se puede usar la carpeta de ejecución %1: %2</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="85"/>
        <source>XDG_RUNTIME_DIR non usata (%1: %2)</source>
        <translation>se ignora XDG_RUNTIME_DIR (%1: %2)</translation>
    </message>
</context>
<context>
    <name>conteggo::StoredFile</name>
    <message>
        <location filename="../store/file_access.cpp" line="45"/>
        <source>impossibile salvare %1: %2</source>
        <translation>no se pudo guardar %1: %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="53"/>
        <source>è un collegamento simbolico di un altro utente</source>
        <translation>es un enlace simbólico de otro usuario</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="137"/>
        <source>%1 non è stato compreso (%2)</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be read or understood</extracomment>
        <translation>no se pudo leer %1 (%2)</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="142"/>
        <source>%1: il vecchio file è conservato come %2</source>
        <extracomment>%1 is the line above; %2 the name the old file now has</extracomment>
        <translation>%1; el archivo antiguo se ha renombrado como %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="147"/>
        <source>%1 e non si può conservare a parte (%2): non sarà sostituito</source>
        <translation>%1, y no se pudo guardar aparte (%2), así que no se sobrescribirá</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="167"/>
        <source>troppi file conservati</source>
        <translation>demasiados archivos ya guardados aparte</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="181"/>
        <source>il file non compreso non si può conservare a parte (%1)</source>
        <translation>no se pudo guardar aparte el archivo ilegible (%1)</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="186"/>
        <source>il vecchio %1 è conservato come %2</source>
        <translation>el antiguo %1 se ha renombrado como %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="198"/>
        <source>non è un file regolare</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../store/file_replace.cpp" line="83"/>
        <source>il file è in sola lettura</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <location filename="../store/file_replace.cpp" line="112"/>
        <source>la cartella non si può sincronizzare (%1)</source>
        <translation>no se pudo sincronizar la carpeta con el disco (%1)</translation>
    </message>
</context>
<context>
    <name>conteggo::SystemError</name>
    <message>
        <location filename="../store/system_error.cpp" line="12"/>
        <source>permesso negato</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="14"/>
        <source>non esiste</source>
        <translation>no existe</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="16"/>
        <source>una parte del percorso non è una cartella</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="19"/>
        <source>è una cartella</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="21"/>
        <source>troppi collegamenti simbolici</source>
        <translation>demasiados enlaces simbólicos</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="24"/>
        <source>nome troppo lungo</source>
        <translation>nombre demasiado largo</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="26"/>
        <source>spazio esaurito sul disco</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="29"/>
        <source>quota del disco superata</source>
        <translation>cuota de disco superada</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="31"/>
        <source>file system in sola lettura</source>
        <translation>sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="34"/>
        <source>esiste già</source>
        <translation>ya existe</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="36"/>
        <source>la cartella non è vuota</source>
        <translation>la carpeta no está vacía</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="39"/>
        <source>in uso</source>
        <translation>está en uso</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="42"/>
        <source>troppi file aperti</source>
        <translation>demasiados archivos abiertos</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="44"/>
        <source>memoria esaurita</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="46"/>
        <source>errore di lettura o scrittura sul dispositivo</source>
        <translation>error de lectura o escritura en el dispositivo</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="49"/>
        <source>su un altro file system</source>
        <translation>está en otro sistema de archivos</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="51"/>
        <source>errore di sistema %1</source>
        <translation>error del sistema %1</translation>
    </message>
</context>
<context>
    <name>conteggo::VerbServer</name>
    <message>
        <location filename="../instance/verb_channel.cpp" line="274"/>
        <source>comandi da riga di comando non disponibili: socket %1: %2</source>
        <translation>control desde la línea de comandos no disponible: socket %1: %2</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="305"/>
        <source>connessione di un altro utente</source>
        <translation>procede de otro usuario</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="310"/>
        <source>troppe connessioni in attesa</source>
        <translation>demasiadas conexiones en espera</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="321"/>
        <source>nessun messaggio in tempo</source>
        <translation>no llegó ningún mensaje a tiempo</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="340"/>
        <source>messaggio troppo lungo</source>
        <translation>mensaje demasiado largo</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="364"/>
        <source>messaggio non valido</source>
        <translation>mensaje no válido</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="374"/>
        <source>il comando non attende più la risposta</source>
        <translation>el comando ya no espera la respuesta</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="408"/>
        <source>connessione scartata: %1</source>
        <translation>conexión descartada: %1</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="414"/>
        <source>connessioni scartate nell&apos;ultimo minuto: %1 (%2)</source>
        <translation>conexiones descartadas en el último minuto: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>conteggo::infomio</name>
    <message>
        <location filename="../ui/infomio.cpp" line="17"/>
        <source>INFO</source>
        <translation>Información</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="30"/>
        <source>Un cronometro per il tuo lavoro</source>
        <translation>Un cronómetro para su trabajo</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="34"/>
        <source>COME FUNZIONA:</source>
        <translation>Cómo funciona:</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="35"/>
        <source>Il tempo viene salvato automaticamente nel file conteggo.txt ogni 30 secondi o quando lo si ferma o lo si azzera o quando si esce.</source>
        <translation>El tiempo se guarda automáticamente en conteggo.txt cada 30 segundos y al detener, poner a cero o salir.</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="38"/>
        <source>La posizione e l&apos;allarme vengono salvati nel file timerpos.txt quando si esce.</source>
        <translation>La posición de la ventana y la alarma se guardan en timerpos.txt al salir.</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="41"/>
        <source>Simbolo delle informazioni</source>
        <translation>Icono de información</translation>
    </message>
</context>
</TS>
