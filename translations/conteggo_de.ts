<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="it">
<context>
    <name>conteggo::CanberraPlayer</name>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="52"/>
        <source>file non trovato</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="55"/>
        <source>formato audio non riconosciuto</source>
        <translation>unbekanntes Audioformat</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="58"/>
        <source>accesso negato</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="60"/>
        <source>file troppo grande</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="65"/>
        <source>server audio non disponibile</source>
        <translation>Soundserver nicht verfügbar</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="68"/>
        <source>errore %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="90"/>
        <source>%1 non trovato</source>
        <translation>%1 nicht gefunden</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="98"/>
        <source>nessun server audio (%1)</source>
        <translation>keine Audioausgabe (%1)</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="149"/>
        <source>Preavviso a %1: suono non riprodotto</source>
        <extracomment>A desktop notification; %1 is the count as the window showed it when the advance warning was due (0:04:00)</extracomment>
        <translation>Vorwarnung bei %1 konnte nicht abgespielt werden</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="154"/>
        <source>Allarme a %1: suono non riprodotto</source>
        <extracomment>A desktop notification; %1 is the count as the window showed it when the alarm was due (0:05:00)</extracomment>
        <translation>Alarm bei %1 konnte nicht abgespielt werden</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="169"/>
        <source>suono non riprodotto: %1</source>
        <translation>Ton konnte nicht abgespielt werden: %1</translation>
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
        <translation>Aufruf: conteggo [--start | --stop | --toggle | --reset | --show]

Ohne Option wird Conteggo gestartet. Befehle steuern das laufende Conteggo:
  --start    Stoppuhr starten
  --stop     Stoppuhr anhalten
  --toggle   Stoppuhr starten, wenn sie steht, sonst anhalten
  --reset    Stoppuhr auf null zurücksetzen (nur wenn sie steht)
  --show     Fenster in den Vordergrund holen
  -h, --help     diese Hilfe anzeigen
  -v, --version  Version anzeigen
Akzeptiert auch die üblichen Qt-Optionen (-style, -platform, -session...).

Wenn Conteggo nicht läuft, wird es durch --start, --toggle und --show gestartet.
Exit-Status: 0 ausgeführt, 1 abgelehnt oder Conteggo läuft nicht, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="115"/>
        <source>Conteggo: %1 (conteggo --help per l&apos;aiuto)</source>
        <translation>Conteggo: %1 (siehe conteggo --help)</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="154"/>
        <source>opzione sconosciuta &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="159"/>
        <source>riga di comando non valida</source>
        <translation>ungültige Befehlszeile</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="163"/>
        <source>argomento inatteso &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="176"/>
        <source>un solo comando alla volta</source>
        <translation>nur ein Befehl auf einmal erlaubt</translation>
    </message>
</context>
<context>
    <name>conteggo::CountFile</name>
    <message>
        <location filename="../store/count_file.cpp" line="34"/>
        <source>non comincia con un numero</source>
        <translation>beginnt nicht mit einer Zahl</translation>
    </message>
</context>
<context>
    <name>conteggo::Delivery</name>
    <message>
        <location filename="../instance/verb_channel.cpp" line="96"/>
        <source>la copia in esecuzione non ha risposto</source>
        <translation>das laufende Conteggo hat nicht geantwortet</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="115"/>
        <source>Conteggo non è in esecuzione</source>
        <translation>Conteggo läuft nicht</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="135"/>
        <source>il socket %1 appartiene a un altro utente</source>
        <translation>Socket %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.cpp" line="87"/>
        <source>il conteggio è in corso: fermalo prima di azzerarlo</source>
        <translation>die Stoppuhr läuft: halten Sie sie vor dem Zurücksetzen an</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="37"/>
        <source>il conteggio è già in corso</source>
        <translation>die Stoppuhr läuft bereits</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="39"/>
        <source>il conteggio è già fermo</source>
        <translation>die Stoppuhr ist bereits angehalten</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="41"/>
        <source>una finestra di Conteggo è aperta: chiudila e riprova</source>
        <translation>ein Dialog von Conteggo ist geöffnet: Schließen Sie ihn und versuchen Sie es erneut</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="44"/>
        <source>Conteggo si sta chiudendo</source>
        <translation>Conteggo wird gerade beendet</translation>
    </message>
</context>
<context>
    <name>conteggo::Dialog</name>
    <message>
        <location filename="../ui/dialog.cpp" line="51"/>
        <source>Imposta allarme</source>
        <translation>Alarm einstellen</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="65"/>
        <source>Suono veramente?</source>
        <extracomment>The check box that switches the alarm on or off</extracomment>
        <translation>Alarm aktiv</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="67"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="70"/>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="74"/>
        <source>Ogni quanti minuti vuoi che suoni?</source>
        <extracomment>Beside the box for the alarm&apos;s interval, in minutes (more than 0, at most 120)</extracomment>
        <translation>Minuten zwischen den Alarmen</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="77"/>
        <source>(solo quanto il timer è in funzione)</source>
        <extracomment>Under the check box: the alarm counts only the time during which the stopwatch runs</extracomment>
        <translation>(nur während die Stoppuhr läuft)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="82"/>
        <source>Con che anticipo?</source>
        <extracomment>Beside the box for the advance warning, in minutes before each ring</extracomment>
        <translation>Minuten Vorwarnung</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="112"/>
        <source>ERRORE</source>
        <extracomment>Title of the message box that refuses what was typed</extracomment>
        <translation>Ungültige Einstellungen</translation>
    </message>
    <message>
        <location filename="../ui/dialog.h" line="26"/>
        <source>DATI ERRATI! (max 120)</source>
        <extracomment>Shown when OK finds an interval not above 0 or above 120 minutes, or an advance warning not below the interval</extracomment>
        <translation>Bitte prüfen Sie die Zahlen: Der Abstand zwischen den Alarmen muss mehr als 0 und höchstens 120 Minuten betragen, und die Vorwarnung muss kürzer als dieser Abstand sein.</translation>
    </message>
</context>
<context>
    <name>conteggo::Display</name>
    <message>
        <location filename="../desktop/display_check.cpp" line="99"/>
        <source>manca il plugin Wayland di Qt: installare il pacchetto qt6-wayland, oppure avviare il programma sotto XWayland (con DISPLAY impostato)</source>
        <translation>Wayland-Plugin von Qt fehlt: Installieren Sie das Paket qt6-wayland oder starten Sie das Programm unter XWayland (mit gesetzter Variable DISPLAY)</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="104"/>
        <source>impossibile aprire lo schermo Wayland &quot;%1&quot;</source>
        <translation>Wayland-Display „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="109"/>
        <source>manca il plugin X11 di Qt: reinstallare il pacchetto libqt6gui6</source>
        <translation>X11-Plugin von Qt fehlt: Installieren Sie das Paket libqt6gui6 neu</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="114"/>
        <location filename="../desktop/display_check.cpp" line="160"/>
        <source>impossibile aprire lo schermo &quot;%1&quot;</source>
        <translation>Display „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="118"/>
        <source>impossibile avviare la piattaforma grafica &quot;%1&quot; di Qt</source>
        <translation>Qt-Plattform-Plugin „%1“ kann nicht gestartet werden</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="145"/>
        <source>nessuno schermo: DISPLAY non è impostato</source>
        <translation>kein Display: DISPLAY ist nicht gesetzt</translation>
    </message>
</context>
<context>
    <name>conteggo::ErrorBox</name>
    <message>
        <location filename="../ui/error_box.cpp" line="12"/>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>conteggo::Form1</name>
    <message>
        <location filename="../ui/form1_layout.cpp" line="68"/>
        <source>PRIMO/SECONDO PIANO</source>
        <extracomment>Tool tip of the eye button: keeps the window above all others, or lets it go behind them</extracomment>
        <translation>Immer im Vordergrund (ein/aus)</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="79"/>
        <source>FORMATO ORARIO (h:m:s / m:s)</source>
        <extracomment>Tool tip of the H/m button: the count as hours, minutes and seconds, or as total minutes and seconds</extracomment>
        <translation>Zeitformat wechseln (h:m:s / m:s)</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="82"/>
        <source>STOP / PAUSA</source>
        <extracomment>Tool tip of the stop button: stops the count, which the start button resumes</extracomment>
        <translation>Zeitmessung anhalten</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="84"/>
        <source>PARTI / RIPARTI</source>
        <extracomment>Tool tip of the start button: starts the count, or resumes it</extracomment>
        <translation>Zeitmessung starten oder fortsetzen</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="87"/>
        <source>AZZERA</source>
        <extracomment>Tool tip of the clock button: sets the count back to 0:00:00</extracomment>
        <translation>Zeit auf null zurücksetzen</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="90"/>
        <source>SUONO?</source>
        <extracomment>Tool tip of the speaker button while the alarm is on: opens its settings</extracomment>
        <translation>Alarmeinstellungen</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="98"/>
        <source>INFO</source>
        <extracomment>Tool tip of the &quot;i&quot; that opens the information window</extracomment>
        <translation>Über Conteggo</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="180"/>
        <source>Avvia</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="181"/>
        <source>Ferma</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="182"/>
        <source>Azzera</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="184"/>
        <source>Sempre in primo piano: attivo</source>
        <translation>Immer im Vordergrund: ein</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="185"/>
        <source>Sempre in primo piano: disattivo</source>
        <translation>Immer im Vordergrund: aus</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="186"/>
        <source>Informazioni</source>
        <translation>Über Conteggo</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="188"/>
        <source>Tempo trascorso</source>
        <extracomment>A screen reader&apos;s description of the count</extracomment>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="189"/>
        <source>Avanzamento verso il prossimo suono</source>
        <translation>Fortschritt bis zum nächsten Alarm</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="197"/>
        <source>Formato: minuti e secondi</source>
        <translation>Zeitformat: Minuten und Sekunden</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="198"/>
        <source>Formato: ore, minuti e secondi</source>
        <translation>Zeitformat: Stunden, Minuten und Sekunden</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="201"/>
        <source>ogni minuto</source>
        <translation>jede Minute</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="203"/>
        <source>ogni %1 minuti</source>
        <translation>alle %1 Minuten</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="205"/>
        <source>Allarme attivo, %1: impostazioni</source>
        <extracomment>A screen reader&apos;s name of the speaker button; %1 is &quot;every minute&quot; or &quot;every N minutes&quot;</extracomment>
        <translation>Alarmeinstellungen: ein, %1</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="206"/>
        <source>Allarme spento: impostazioni</source>
        <translation>Alarmeinstellungen: aus</translation>
    </message>
</context>
<context>
    <name>conteggo::InstanceLock</name>
    <message>
        <location filename="../instance/instance_lock.cpp" line="73"/>
        <source>impossibile creare il file di blocco %1: %2</source>
        <translation>Sperrdatei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location filename="../instance/instance_lock.cpp" line="76"/>
        <source>al suo posto c&apos;è qualcos&apos;altro</source>
        <translation>unter diesem Namen existiert bereits etwas anderes</translation>
    </message>
</context>
<context>
    <name>conteggo::PositionFile</name>
    <message>
        <location filename="../store/position_file.cpp" line="95"/>
        <source>la prima riga non è un numero intero</source>
        <translation>die erste Zeile ist keine ganze Zahl</translation>
    </message>
</context>
<context>
    <name>conteggo::ProblemNotices</name>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="16"/>
        <source>File non compreso, conservato a parte</source>
        <extracomment>A desktop notification&apos;s title; its text names the file and where it went</extracomment>
        <translation>Unlesbare Datei beiseitegelegt</translation>
    </message>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="20"/>
        <source>Salvataggio non riuscito</source>
        <extracomment>A desktop notification&apos;s title; its text names the file and the reason</extracomment>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="25"/>
        <source>Comando non eseguito</source>
        <extracomment>A desktop notification&apos;s title for a command from the menu or a shortcut (start, stop, reset...) that was refused; its text says why</extracomment>
        <translation>Befehl abgelehnt</translation>
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
        <translation>Conteggo läuft bereits</translation>
    </message>
</context>
<context>
    <name>conteggo::ProgressBar</name>
    <message>
        <location filename="../ui/progress_bar.cpp" line="44"/>
        <source>%1 di %2 secondi</source>
        <extracomment>A screen reader&apos;s description of the alarm&apos;s bar: %1 seconds counted of the interval&apos;s %2</extracomment>
        <translation>%1 von %2 Sekunden</translation>
    </message>
</context>
<context>
    <name>conteggo::RuntimeFolder</name>
    <message>
        <location filename="../instance/runtime_path.cpp" line="25"/>
        <source>non è un percorso assoluto</source>
        <translation>ist kein absoluter Pfad</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="29"/>
        <source>percorso troppo lungo per un socket</source>
        <translation>der Pfad ist zu lang für einen Socket</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="37"/>
        <source>è un collegamento simbolico</source>
        <translation>ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="41"/>
        <source>non è una cartella</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="44"/>
        <source>appartiene a un altro utente</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="48"/>
        <source>ha i permessi %1 invece di 700</source>
        <translation>hat die Zugriffsrechte %1 statt 700</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="70"/>
        <source>cartella per l&apos;istanza non utilizzabile %1: %2</source>
        <translation>Laufzeitordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="85"/>
        <source>XDG_RUNTIME_DIR non usata (%1: %2)</source>
        <translation>XDG_RUNTIME_DIR wird ignoriert (%1: %2)</translation>
    </message>
</context>
<context>
    <name>conteggo::StoredFile</name>
    <message>
        <location filename="../store/file_access.cpp" line="45"/>
        <source>impossibile salvare %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="53"/>
        <source>è un collegamento simbolico di un altro utente</source>
        <translation>ist eine symbolische Verknüpfung eines anderen Benutzers</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="137"/>
        <source>%1 non è stato compreso (%2)</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be read or understood</extracomment>
        <translation>%1 konnte nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="142"/>
        <source>%1: il vecchio file è conservato come %2</source>
        <extracomment>%1 is the line above; %2 the name the old file now has</extracomment>
        <translation>%1; die alte Datei wurde in %2 umbenannt</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="147"/>
        <source>%1 e non si può conservare a parte (%2): non sarà sostituito</source>
        <translation>%1; die Datei konnte auch nicht beiseitegelegt werden (%2) und wird daher nicht überschrieben</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="167"/>
        <source>troppi file conservati</source>
        <translation>zu viele bereits beiseitegelegte Dateien</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="181"/>
        <source>il file non compreso non si può conservare a parte (%1)</source>
        <translation>die unlesbare Datei konnte nicht beiseitegelegt werden (%1)</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="186"/>
        <source>il vecchio %1 è conservato come %2</source>
        <translation>die alte Datei %1 wurde in %2 umbenannt</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="198"/>
        <source>non è un file regolare</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <location filename="../store/file_replace.cpp" line="83"/>
        <source>il file è in sola lettura</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <location filename="../store/file_replace.cpp" line="112"/>
        <source>la cartella non si può sincronizzare (%1)</source>
        <translation>der Ordner konnte nicht auf den Datenträger geschrieben werden (%1)</translation>
    </message>
</context>
<context>
    <name>conteggo::SystemError</name>
    <message>
        <location filename="../store/system_error.cpp" line="12"/>
        <source>permesso negato</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="14"/>
        <source>non esiste</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="16"/>
        <source>una parte del percorso non è una cartella</source>
        <translation>ein Teil des Pfades ist kein Ordner</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="19"/>
        <source>è una cartella</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="21"/>
        <source>troppi collegamenti simbolici</source>
        <translation>zu viele symbolische Verknüpfungen</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="24"/>
        <source>nome troppo lungo</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="26"/>
        <source>spazio esaurito sul disco</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="29"/>
        <source>quota del disco superata</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="31"/>
        <source>file system in sola lettura</source>
        <translation>schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="34"/>
        <source>esiste già</source>
        <translation>existiert bereits</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="36"/>
        <source>la cartella non è vuota</source>
        <translation>der Ordner ist nicht leer</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="39"/>
        <source>in uso</source>
        <translation>wird gerade verwendet</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="42"/>
        <source>troppi file aperti</source>
        <translation>zu viele offene Dateien</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="44"/>
        <source>memoria esaurita</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="46"/>
        <source>errore di lettura o scrittura sul dispositivo</source>
        <translation>Lese- oder Schreibfehler auf dem Gerät</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="49"/>
        <source>su un altro file system</source>
        <translation>liegt auf einem anderen Dateisystem</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="51"/>
        <source>errore di sistema %1</source>
        <translation>Systemfehler %1</translation>
    </message>
</context>
<context>
    <name>conteggo::VerbServer</name>
    <message>
        <location filename="../instance/verb_channel.cpp" line="274"/>
        <source>comandi da riga di comando non disponibili: socket %1: %2</source>
        <translation>Steuerung über die Befehlszeile nicht verfügbar: Socket %1: %2</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="305"/>
        <source>connessione di un altro utente</source>
        <translation>stammt von einem anderen Benutzer</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="310"/>
        <source>troppe connessioni in attesa</source>
        <translation>zu viele wartende Verbindungen</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="321"/>
        <source>nessun messaggio in tempo</source>
        <translation>keine Nachricht rechtzeitig erhalten</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="340"/>
        <source>messaggio troppo lungo</source>
        <translation>Nachricht zu lang</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="364"/>
        <source>messaggio non valido</source>
        <translation>ungültige Nachricht</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="374"/>
        <source>il comando non attende più la risposta</source>
        <translation>der Befehl wartet nicht mehr auf eine Antwort</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="408"/>
        <source>connessione scartata: %1</source>
        <translation>Verbindung verworfen: %1</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="414"/>
        <source>connessioni scartate nell&apos;ultimo minuto: %1 (%2)</source>
        <translation>in der letzten Minute verworfene Verbindungen: %1 (%2)</translation>
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
        <translation>Eine Stoppuhr für Ihre Arbeitszeit</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="34"/>
        <source>COME FUNZIONA:</source>
        <translation>So funktioniert es:</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="35"/>
        <source>Il tempo viene salvato automaticamente nel file conteggo.txt ogni 30 secondi o quando lo si ferma o lo si azzera o quando si esce.</source>
        <translation>Die Zeit wird alle 30 Sekunden sowie beim Anhalten, Zurücksetzen und Beenden automatisch in conteggo.txt gespeichert.</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="38"/>
        <source>La posizione e l&apos;allarme vengono salvati nel file timerpos.txt quando si esce.</source>
        <translation>Fensterposition und Alarmeinstellungen werden beim Beenden in timerpos.txt gespeichert.</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="41"/>
        <source>Simbolo delle informazioni</source>
        <translation>Info-Symbol</translation>
    </message>
</context>
</TS>
