<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="it">
<context>
    <name>conteggo::CanberraPlayer</name>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="52"/>
        <source>file non trovato</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="55"/>
        <source>formato audio non riconosciuto</source>
        <translation>format audio non reconnu</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="58"/>
        <source>accesso negato</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="60"/>
        <source>file troppo grande</source>
        <translation>fichier trop volumineux</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="65"/>
        <source>server audio non disponibile</source>
        <translation>serveur de son indisponible</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="68"/>
        <source>errore %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="90"/>
        <source>%1 non trovato</source>
        <translation>%1 introuvable</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="98"/>
        <source>nessun server audio (%1)</source>
        <translation>aucune sortie audio (%1)</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="149"/>
        <source>Preavviso a %1: suono non riprodotto</source>
        <extracomment>A desktop notification; %1 is the count as the window showed it when the advance warning was due (0:04:00)</extracomment>
        <translation>Impossible de jouer le préavis à %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="154"/>
        <source>Allarme a %1: suono non riprodotto</source>
        <extracomment>A desktop notification; %1 is the count as the window showed it when the alarm was due (0:05:00)</extracomment>
        <translation>Impossible de jouer l&apos;alarme à %1</translation>
    </message>
    <message>
        <location filename="../desktop/canberra_player.cpp" line="169"/>
        <source>suono non riprodotto: %1</source>
        <translation>impossible de jouer un son&#xa0;: %1</translation>
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
        <translation>Utilisation&#xa0;: conteggo [--start | --stop | --toggle | --reset | --show]

Sans option, lance Conteggo. Avec une commande, pilote le Conteggo déjà lancé&#xa0;:
  --start    démarre le chronomètre
  --stop     arrête le chronomètre
  --toggle   démarre le chronomètre s&apos;il est arrêté, sinon l&apos;arrête
  --reset    remet le chronomètre à zéro (seulement s&apos;il est arrêté)
  --show     met la fenêtre au premier plan
  -h, --help     affiche cette aide
  -v, --version  affiche la version
Accepte aussi les options standard de Qt (-style, -platform, -session...).

Si Conteggo n&apos;est pas lancé, --start, --toggle et --show le lancent.
Code de sortie&#xa0;: 0 exécuté, 1 refusé ou Conteggo non lancé, 2 mauvaise utilisation.
</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="115"/>
        <source>Conteggo: %1 (conteggo --help per l&apos;aiuto)</source>
        <translation>Conteggo&#xa0;: %1 (voir conteggo --help)</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="154"/>
        <source>opzione sconosciuta &quot;%1&quot;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="159"/>
        <source>riga di comando non valida</source>
        <translation>ligne de commande non valide</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="163"/>
        <source>argomento inatteso &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/command_line.cpp" line="176"/>
        <source>un solo comando alla volta</source>
        <translation>une seule commande à la fois</translation>
    </message>
</context>
<context>
    <name>conteggo::CountFile</name>
    <message>
        <location filename="../store/count_file.cpp" line="34"/>
        <source>non comincia con un numero</source>
        <translation>ne commence pas par un nombre</translation>
    </message>
</context>
<context>
    <name>conteggo::Delivery</name>
    <message>
        <location filename="../instance/verb_channel.cpp" line="96"/>
        <source>la copia in esecuzione non ha risposto</source>
        <translation>le Conteggo déjà lancé n&apos;a pas répondu</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="115"/>
        <source>Conteggo non è in esecuzione</source>
        <translation>Conteggo n&apos;est pas lancé</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="135"/>
        <source>il socket %1 appartiene a un altro utente</source>
        <translation>le socket %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.cpp" line="87"/>
        <source>il conteggio è in corso: fermalo prima di azzerarlo</source>
        <translation>le chronomètre tourne&#xa0;: arrêtez-le avant de le remettre à zéro</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="37"/>
        <source>il conteggio è già in corso</source>
        <translation>le chronomètre tourne déjà</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="39"/>
        <source>il conteggio è già fermo</source>
        <translation>le chronomètre est déjà arrêté</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="41"/>
        <source>una finestra di Conteggo è aperta: chiudila e riprova</source>
        <translation>une boîte de dialogue de Conteggo est ouverte&#xa0;: fermez-la et réessayez</translation>
    </message>
    <message>
        <location filename="../instance/verb_protocol.h" line="44"/>
        <source>Conteggo si sta chiudendo</source>
        <translation>Conteggo est en cours de fermeture</translation>
    </message>
</context>
<context>
    <name>conteggo::Dialog</name>
    <message>
        <location filename="../ui/dialog.cpp" line="51"/>
        <source>Imposta allarme</source>
        <translation>Régler l&apos;alarme</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="65"/>
        <source>Suono veramente?</source>
        <extracomment>The check box that switches the alarm on or off</extracomment>
        <translation>Alarme activée</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="67"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="70"/>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="74"/>
        <source>Ogni quanti minuti vuoi che suoni?</source>
        <extracomment>Beside the box for the alarm&apos;s interval, in minutes (more than 0, at most 120)</extracomment>
        <translation>minutes entre les alarmes</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="77"/>
        <source>(solo quanto il timer è in funzione)</source>
        <extracomment>Under the check box: the alarm counts only the time during which the stopwatch runs</extracomment>
        <translation>(seulement si le chrono tourne)</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="82"/>
        <source>Con che anticipo?</source>
        <extracomment>Beside the box for the advance warning, in minutes before each ring</extracomment>
        <translation>minutes de préavis</translation>
    </message>
    <message>
        <location filename="../ui/dialog.cpp" line="112"/>
        <source>ERRORE</source>
        <extracomment>Title of the message box that refuses what was typed</extracomment>
        <translation>Paramètres non valides</translation>
    </message>
    <message>
        <location filename="../ui/dialog.h" line="26"/>
        <source>DATI ERRATI! (max 120)</source>
        <extracomment>Shown when OK finds an interval not above 0 or above 120 minutes, or an advance warning not below the interval</extracomment>
        <translation>Vérifiez les nombres&#xa0;: l&apos;intervalle entre les alarmes doit être supérieur à 0 et d&apos;au plus 120 minutes, et le préavis doit être plus court que cet intervalle.</translation>
    </message>
</context>
<context>
    <name>conteggo::Display</name>
    <message>
        <location filename="../desktop/display_check.cpp" line="99"/>
        <source>manca il plugin Wayland di Qt: installare il pacchetto qt6-wayland, oppure avviare il programma sotto XWayland (con DISPLAY impostato)</source>
        <translation>le greffon Wayland de Qt est absent&#xa0;: installez le paquet qt6-wayland ou lancez le programme sous XWayland (avec DISPLAY défini)</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="104"/>
        <source>impossibile aprire lo schermo Wayland &quot;%1&quot;</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage Wayland «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="109"/>
        <source>manca il plugin X11 di Qt: reinstallare il pacchetto libqt6gui6</source>
        <translation>le greffon X11 de Qt est absent&#xa0;: réinstallez le paquet libqt6gui6</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="114"/>
        <location filename="../desktop/display_check.cpp" line="160"/>
        <source>impossibile aprire lo schermo &quot;%1&quot;</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="118"/>
        <source>impossibile avviare la piattaforma grafica &quot;%1&quot; di Qt</source>
        <translation>impossible de démarrer la plateforme Qt «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../desktop/display_check.cpp" line="145"/>
        <source>nessuno schermo: DISPLAY non è impostato</source>
        <translation>aucun affichage&#xa0;: DISPLAY n&apos;est pas défini</translation>
    </message>
</context>
<context>
    <name>conteggo::ErrorBox</name>
    <message>
        <location filename="../ui/error_box.cpp" line="12"/>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>conteggo::Form1</name>
    <message>
        <location filename="../ui/form1_layout.cpp" line="68"/>
        <source>PRIMO/SECONDO PIANO</source>
        <extracomment>Tool tip of the eye button: keeps the window above all others, or lets it go behind them</extracomment>
        <translation>Toujours au premier plan (activer/désactiver)</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="79"/>
        <source>FORMATO ORARIO (h:m:s / m:s)</source>
        <extracomment>Tool tip of the H/m button: the count as hours, minutes and seconds, or as total minutes and seconds</extracomment>
        <translation>Changer le format d&apos;affichage (h:m:s / m:s)</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="82"/>
        <source>STOP / PAUSA</source>
        <extracomment>Tool tip of the stop button: stops the count, which the start button resumes</extracomment>
        <translation>Mettre le chronomètre en pause</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="84"/>
        <source>PARTI / RIPARTI</source>
        <extracomment>Tool tip of the start button: starts the count, or resumes it</extracomment>
        <translation>Démarrer ou reprendre le chronomètre</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="87"/>
        <source>AZZERA</source>
        <extracomment>Tool tip of the clock button: sets the count back to 0:00:00</extracomment>
        <translation>Remettre le chronomètre à zéro</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="90"/>
        <source>SUONO?</source>
        <extracomment>Tool tip of the speaker button while the alarm is on: opens its settings</extracomment>
        <translation>Paramètres de l&apos;alarme</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="98"/>
        <source>INFO</source>
        <extracomment>Tool tip of the &quot;i&quot; that opens the information window</extracomment>
        <translation>À propos de Conteggo</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="180"/>
        <source>Avvia</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="181"/>
        <source>Ferma</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="182"/>
        <source>Azzera</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="184"/>
        <source>Sempre in primo piano: attivo</source>
        <translation>Toujours au premier plan&#xa0;: activé</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="185"/>
        <source>Sempre in primo piano: disattivo</source>
        <translation>Toujours au premier plan&#xa0;: désactivé</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="186"/>
        <source>Informazioni</source>
        <translation>À propos de Conteggo</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="188"/>
        <source>Tempo trascorso</source>
        <extracomment>A screen reader&apos;s description of the count</extracomment>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="189"/>
        <source>Avanzamento verso il prossimo suono</source>
        <translation>Progression jusqu&apos;à la prochaine alarme</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="197"/>
        <source>Formato: minuti e secondi</source>
        <translation>Format d&apos;affichage&#xa0;: minutes et secondes</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="198"/>
        <source>Formato: ore, minuti e secondi</source>
        <translation>Format d&apos;affichage&#xa0;: heures, minutes et secondes</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="201"/>
        <source>ogni minuto</source>
        <translation>toutes les minutes</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="203"/>
        <source>ogni %1 minuti</source>
        <translation>toutes les %1 minutes</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="205"/>
        <source>Allarme attivo, %1: impostazioni</source>
        <extracomment>A screen reader&apos;s name of the speaker button; %1 is &quot;every minute&quot; or &quot;every N minutes&quot;</extracomment>
        <translation>Paramètres de l&apos;alarme&#xa0;: activée, %1</translation>
    </message>
    <message>
        <location filename="../ui/form1_layout.cpp" line="206"/>
        <source>Allarme spento: impostazioni</source>
        <translation>Paramètres de l&apos;alarme&#xa0;: désactivée</translation>
    </message>
</context>
<context>
    <name>conteggo::InstanceLock</name>
    <message>
        <location filename="../instance/instance_lock.cpp" line="73"/>
        <source>impossibile creare il file di blocco %1: %2</source>
        <translation>impossible de créer le fichier de verrou %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../instance/instance_lock.cpp" line="76"/>
        <source>al suo posto c&apos;è qualcos&apos;altro</source>
        <translation>un autre élément porte déjà ce nom</translation>
    </message>
</context>
<context>
    <name>conteggo::PositionFile</name>
    <message>
        <location filename="../store/position_file.cpp" line="95"/>
        <source>la prima riga non è un numero intero</source>
        <translation>la première ligne n&apos;est pas un nombre entier</translation>
    </message>
</context>
<context>
    <name>conteggo::ProblemNotices</name>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="16"/>
        <source>File non compreso, conservato a parte</source>
        <extracomment>A desktop notification&apos;s title; its text names the file and where it went</extracomment>
        <translation>Fichier illisible mis de côté</translation>
    </message>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="20"/>
        <source>Salvataggio non riuscito</source>
        <extracomment>A desktop notification&apos;s title; its text names the file and the reason</extracomment>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <location filename="../desktop/problem_notices.cpp" line="25"/>
        <source>Comando non eseguito</source>
        <extracomment>A desktop notification&apos;s title for a command from the menu or a shortcut (start, stop, reset...) that was refused; its text says why</extracomment>
        <translation>Commande refusée</translation>
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
        <translation>Conteggo est déjà lancé</translation>
    </message>
</context>
<context>
    <name>conteggo::ProgressBar</name>
    <message>
        <location filename="../ui/progress_bar.cpp" line="44"/>
        <source>%1 di %2 secondi</source>
        <extracomment>A screen reader&apos;s description of the alarm&apos;s bar: %1 seconds counted of the interval&apos;s %2</extracomment>
        <translation>%1 sur %2 secondes</translation>
    </message>
</context>
<context>
    <name>conteggo::RuntimeFolder</name>
    <message>
        <location filename="../instance/runtime_path.cpp" line="25"/>
        <source>non è un percorso assoluto</source>
        <translation>ce n&apos;est pas un chemin absolu</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="29"/>
        <source>percorso troppo lungo per un socket</source>
        <translation>le chemin est trop long pour un socket</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="37"/>
        <source>è un collegamento simbolico</source>
        <translation>c&apos;est un lien symbolique</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="41"/>
        <source>non è una cartella</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="44"/>
        <source>appartiene a un altro utente</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="48"/>
        <source>ha i permessi %1 invece di 700</source>
        <translation>ses permissions sont %1 au lieu de 700</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="70"/>
        <source>cartella per l&apos;istanza non utilizzabile %1: %2</source>
        <translation>impossible d&apos;utiliser le dossier d&apos;exécution %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../instance/runtime_path.cpp" line="85"/>
        <source>XDG_RUNTIME_DIR non usata (%1: %2)</source>
        <translation>XDG_RUNTIME_DIR ignoré (%1&#xa0;: %2)</translation>
    </message>
</context>
<context>
    <name>conteggo::StoredFile</name>
    <message>
        <location filename="../store/file_access.cpp" line="45"/>
        <source>impossibile salvare %1: %2</source>
        <translation>impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="53"/>
        <source>è un collegamento simbolico di un altro utente</source>
        <translation>c&apos;est un lien symbolique appartenant à un autre utilisateur</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="137"/>
        <source>%1 non è stato compreso (%2)</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be read or understood</extracomment>
        <translation>impossible de lire %1 (%2)</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="142"/>
        <source>%1: il vecchio file è conservato come %2</source>
        <extracomment>%1 is the line above; %2 the name the old file now has</extracomment>
        <translation>%1&#xa0;; l&apos;ancien fichier a été renommé en %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="147"/>
        <source>%1 e non si può conservare a parte (%2): non sarà sostituito</source>
        <translation>%1, et il n&apos;a pas pu être mis de côté (%2), il ne sera donc pas écrasé</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="167"/>
        <source>troppi file conservati</source>
        <translation>trop de fichiers déjà mis de côté</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="181"/>
        <source>il file non compreso non si può conservare a parte (%1)</source>
        <translation>le fichier illisible n&apos;a pas pu être mis de côté (%1)</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="186"/>
        <source>il vecchio %1 è conservato come %2</source>
        <translation>l&apos;ancien %1 a été renommé en %2</translation>
    </message>
    <message>
        <location filename="../store/file_access.cpp" line="198"/>
        <source>non è un file regolare</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../store/file_replace.cpp" line="83"/>
        <source>il file è in sola lettura</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <location filename="../store/file_replace.cpp" line="112"/>
        <source>la cartella non si può sincronizzare (%1)</source>
        <translation>le dossier n&apos;a pas pu être synchronisé sur le disque (%1)</translation>
    </message>
</context>
<context>
    <name>conteggo::SystemError</name>
    <message>
        <location filename="../store/system_error.cpp" line="12"/>
        <source>permesso negato</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="14"/>
        <source>non esiste</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="16"/>
        <source>una parte del percorso non è una cartella</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="19"/>
        <source>è una cartella</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="21"/>
        <source>troppi collegamenti simbolici</source>
        <translation>trop de liens symboliques</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="24"/>
        <source>nome troppo lungo</source>
        <translation>nom trop long</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="26"/>
        <source>spazio esaurito sul disco</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="29"/>
        <source>quota del disco superata</source>
        <translation>quota de disque dépassé</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="31"/>
        <source>file system in sola lettura</source>
        <translation>système de fichiers en lecture seule</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="34"/>
        <source>esiste già</source>
        <translation>il existe déjà</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="36"/>
        <source>la cartella non è vuota</source>
        <translation>le dossier n&apos;est pas vide</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="39"/>
        <source>in uso</source>
        <translation>il est en cours d&apos;utilisation</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="42"/>
        <source>troppi file aperti</source>
        <translation>trop de fichiers ouverts</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="44"/>
        <source>memoria esaurita</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="46"/>
        <source>errore di lettura o scrittura sul dispositivo</source>
        <translation>erreur de lecture ou d&apos;écriture sur le périphérique</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="49"/>
        <source>su un altro file system</source>
        <translation>il se trouve sur un autre système de fichiers</translation>
    </message>
    <message>
        <location filename="../store/system_error.cpp" line="51"/>
        <source>errore di sistema %1</source>
        <translation>erreur système %1</translation>
    </message>
</context>
<context>
    <name>conteggo::VerbServer</name>
    <message>
        <location filename="../instance/verb_channel.cpp" line="274"/>
        <source>comandi da riga di comando non disponibili: socket %1: %2</source>
        <translation>contrôle en ligne de commande indisponible&#xa0;: socket %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="305"/>
        <source>connessione di un altro utente</source>
        <translation>provenant d&apos;un autre utilisateur</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="310"/>
        <source>troppe connessioni in attesa</source>
        <translation>trop de connexions en attente</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="321"/>
        <source>nessun messaggio in tempo</source>
        <translation>aucun message reçu à temps</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="340"/>
        <source>messaggio troppo lungo</source>
        <translation>message trop long</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="364"/>
        <source>messaggio non valido</source>
        <translation>message non valide</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="374"/>
        <source>il comando non attende più la risposta</source>
        <translation>la commande n&apos;attend plus de réponse</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="408"/>
        <source>connessione scartata: %1</source>
        <translation>connexion rejetée&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../instance/verb_channel.cpp" line="414"/>
        <source>connessioni scartate nell&apos;ultimo minuto: %1 (%2)</source>
        <translation>connexions rejetées au cours de la dernière minute&#xa0;: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>conteggo::infomio</name>
    <message>
        <location filename="../ui/infomio.cpp" line="17"/>
        <source>INFO</source>
        <translation>Informations</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="30"/>
        <source>Un cronometro per il tuo lavoro</source>
        <translation>Un chronomètre pour votre travail</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="34"/>
        <source>COME FUNZIONA:</source>
        <translation>Fonctionnement&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="35"/>
        <source>Il tempo viene salvato automaticamente nel file conteggo.txt ogni 30 secondi o quando lo si ferma o lo si azzera o quando si esce.</source>
        <translation>Le temps est enregistré automatiquement dans conteggo.txt toutes les 30 secondes, et à chaque arrêt, remise à zéro ou fermeture.</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="38"/>
        <source>La posizione e l&apos;allarme vengono salvati nel file timerpos.txt quando si esce.</source>
        <translation>La position de la fenêtre et l&apos;alarme sont enregistrées dans timerpos.txt à la fermeture.</translation>
    </message>
    <message>
        <location filename="../ui/infomio.cpp" line="41"/>
        <source>Simbolo delle informazioni</source>
        <translation>Icône d&apos;information</translation>
    </message>
</context>
</TS>
