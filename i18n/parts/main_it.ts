<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AtomicFile</name>
    <message>
        <source>le disque est plein (%1).</source>
        <translation>il disco è pieno (%1).</translation>
    </message>
    <message>
        <source>le dossier ou le fichier est protégé en écriture (%1).</source>
        <translation>la cartella o il file è protetto in scrittura (%1).</translation>
    </message>
    <message>
        <source>erreur d&apos;écriture inconnue.</source>
        <translation>errore di scrittura sconosciuto.</translation>
    </message>
    <message>
        <source>le disque est plein (%1 octets libres).</source>
        <translation>il disco è pieno (%1 byte liberi).</translation>
    </message>
</context>
<context>
    <name>ClockText</name>
    <message>
        <source> Utc</source>
        <translation> UTC</translation>
    </message>
    <message>
        <source> Loc</source>
        <translation> loc.</translation>
    </message>
</context>
<context>
    <name>Cp1252</name>
    <message>
        <source>« %1 » (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>Le caractère %1 ne peut pas être enregistré dans le log : le journal et les listes sont en Windows-1252, qui ne connaît pas ce caractère.<byte value="xd"/>
Remplacez-le par un caractère sans signe particulier ou supprimez-le.</source>
        <translation>Il carattere %1 non può essere salvato nel log: il log e gli elenchi sono in Windows-1252, che non conosce questo carattere.<byte value="xd"/>
Sostituitelo con un carattere senza segni particolari o eliminatelo.</translation>
    </message>
    <message>
        <source>Le caractère de contrôle %1 ne peut pas être enregistré dans le log.<byte value="xd"/>
Supprimez-le.</source>
        <translation>Il carattere di controllo %1 non può essere salvato nel log.<byte value="xd"/>
Eliminatelo.</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <source>Entrez un indicatif</source>
        <translation>Inserite un nominativo</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <translation>Al massimo 12 caratteri per il nominativo</translation>
    </message>
    <message>
        <source>15 caracteres maxi pour le Prenom</source>
        <translation>Al massimo 15 caratteri per il nome</translation>
    </message>
    <message>
        <source>Entrez une Reference</source>
        <translation>Inserite una referenza</translation>
    </message>
    <message>
        <source>6 caracteres pour la reference</source>
        <translation>6 caratteri per la referenza</translation>
    </message>
    <message>
        <source>4 caracteres pour le Locator ou rien</source>
        <translation>4 caratteri per il locatore, o niente</translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <translation>Inserite una data</translation>
    </message>
    <message>
        <source>Le format de la date doit etre JJ/MM/AA</source>
        <translation>La data deve essere nel formato GG/MM/AA</translation>
    </message>
    <message>
        <source>Entrez une Heure</source>
        <translation>Inserite un&apos;ora</translation>
    </message>
    <message>
        <source>Le format de l&apos;heure doit etre HH:MM</source>
        <translation>L&apos;ora deve essere nel formato HH:MM</translation>
    </message>
    <message>
        <source>Entrez un Mode</source>
        <translation>Inserite un modo</translation>
    </message>
    <message>
        <source>6 caracteres maxi pour le Mode</source>
        <translation>Al massimo 6 caratteri per il modo</translation>
    </message>
    <message>
        <source>Le log ne garde que 3 caractères pour le Mode : choisissez SSB, CW ou FM, ou un mode de 3 caractères au plus</source>
        <translation>Il log conserva solo 3 caratteri per il modo: scegliete SSB, CW o FM, o un modo di 3 caratteri al massimo</translation>
    </message>
    <message>
        <source>Entrez une QRG</source>
        <translation>Inserite una QRG</translation>
    </message>
    <message>
        <source>7 caracteres maxi pour la QRG</source>
        <translation>Al massimo 7 caratteri per la QRG</translation>
    </message>
    <message>
        <source>Entrez un Report</source>
        <translation>Inserite un rapporto</translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Report</source>
        <translation>Al massimo 3 caratteri per il rapporto</translation>
    </message>
    <message>
        <source>R (de RST)doit etre compris entre 0 et 5</source>
        <translation>R (di RST) deve essere compreso tra 0 e 5</translation>
    </message>
    <message>
        <source>60 caracteres maxi pour le nom de l&apos;Abbaye</source>
        <translation>Al massimo 60 caratteri per il nome dell&apos;abbazia</translation>
    </message>
    <message>
        <source><byte value="xd"/>
         Premiere installation, vous devez entrer votre Indicatif<byte value="xd"/>
<byte value="xd"/>
Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.</source>
        <translation><byte value="xd"/>
         Prima installazione: dovete inserire il vostro nominativo<byte value="xd"/>
<byte value="xd"/>
Per farlo, nella barra dei menu andate in Stazione, poi Nuovo nominativo.</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>le fichier est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>il file è in corso di modifica da parte di un&apos;altra copia di KVR_ZEL.</translation>
    </message>
    <message>
        <source>le fichier de verrou %1 ne peut pas être créé : le dossier %2 est protégé en écriture (%3).</source>
        <translation>il file di blocco %1 non può essere creato: la cartella %2 è protetta in scrittura (%3).</translation>
    </message>
    <message>
        <source>le fichier de verrou %1 ne peut pas être créé : le disque est plein (%2).</source>
        <translation>il file di blocco %1 non può essere creato: il disco è pieno (%2).</translation>
    </message>
    <message>
        <source>le fichier de verrou %1 est un lien symbolique ou n&apos;est pas un fichier ordinaire ; KVR_ZEL n&apos;écrit pas à travers un lien. Supprimez %1 du dossier %2, puis recommencez.</source>
        <translation>il file di blocco %1 è un collegamento simbolico o non è un file normale; KVR_ZEL non scrive attraverso un collegamento. Eliminate %1 dalla cartella %2, poi riprovate.</translation>
    </message>
    <message>
        <source>le fichier de verrou %1 ne peut pas être créé ni verrouillé (%2).</source>
        <translation>il file di blocco %1 non può essere creato né bloccato (%2).</translation>
    </message>
    <message>
        <source>erreur inconnue</source>
        <translation>errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>HostName</name>
    <message>
        <source>Hôte introuvable : « %1 » n&apos;est ni un nom ni une adresse</source>
        <translation>Host non trovato: «%1» non è né un nome né un indirizzo</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>La langue choisie sera utilisée au prochain démarrage du programme.</source>
        <translation>La lingua scelta sarà usata al prossimo avvio del programma.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (un tube, un périphérique ou un dossier porte ce nom) : il n&apos;a pas été lu.</source>
        <translation>non è un file normale (una pipe, una periferica o una cartella porta questo nome): non è stato letto.</translation>
    </message>
</context>
<context>
    <name>LogProblems</name>
    <message>
        <source>Le journal %1 ne peut pas être lu :<byte value="xd"/>
%2</source>
        <translation>Il log %1 non può essere letto:<byte value="xd"/>
%2</translation>
    </message>
    <message numerus="yes">
        <source>Le journal %1 contient %n ligne(s) qui ne sont pas des QSO tels que KVR_ZEL les écrit (138 caractères, sans caractère de contrôle) : ligne(s) %2.</source>
        <translation>
            <numerusform>Il log %1 contiene %n riga che non è un QSO come lo scrive KVR_ZEL (138 caratteri, senza caratteri di controllo): riga %2.</numerusform>
            <numerusform>Il log %1 contiene %n righe che non sono QSO come li scrive KVR_ZEL (138 caratteri, senza caratteri di controllo): righe %2.</numerusform>
        </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Ce fichier semble être en UTF-8 (converti par un autre programme) et non en Windows-1252 : ses lettres accentuées y occupent deux caractères, ce qui décale les colonnes. Enregistré à nouveau en Windows-1252, il redeviendrait lisible.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Questo file sembra essere in UTF-8 (convertito da un altro programma) e non in Windows-1252: le sue lettere accentate occupano due caratteri, il che sposta le colonne. Salvato di nuovo in Windows-1252, tornerebbe leggibile.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Elles sont affichées dans la liste et conservées telles quelles.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Sono mostrate nella lista e conservate così come sono.</translation>
    </message>
</context>
<context>
    <name>LogRewriter</name>
    <message>
        <source>Impossible d&apos;enregistrer le journal %1 :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le journal n&apos;a pas été modifié et la saisie est conservée.</source>
        <translation>Impossibile salvare il log %1:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Il log non è stato modificato e l&apos;inserimento è conservato.</translation>
    </message>
    <message>
        <source>le journal est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>il log è in corso di modifica da parte di un&apos;altra copia di KVR_ZEL.</translation>
    </message>
    <message>
        <source>ce QSO a été modifié entre-temps dans le journal (par une autre copie de KVR_ZEL ou un autre programme) et n&apos;y est plus tel qu&apos;il était affiché.<byte value="xd"/>
La liste montre maintenant le journal tel qu&apos;il est ; sélectionnez de nouveau le QSO.</source>
        <translation>questo QSO è stato modificato nel frattempo nel log (da un&apos;altra copia di KVR_ZEL o da un altro programma) e non è più com&apos;era mostrato.<byte value="xd"/>
La lista mostra ora il log così com&apos;è; selezionate di nuovo il QSO.</translation>
    </message>
    <message>
        <source>demande de réécriture incohérente.</source>
        <translation>richiesta di riscrittura incoerente.</translation>
    </message>
    <message>
        <source>le journal a été modifié entre-temps (par une autre copie de KVR_ZEL ou un autre programme) ; recommencez.</source>
        <translation>il log è stato modificato nel frattempo (da un&apos;altra copia di KVR_ZEL o da un altro programma); riprovate.</translation>
    </message>
    <message>
        <source>l&apos;abbaye %1 est déjà dans le journal (il a été modifié entre-temps ?) ; relancez l&apos;importation.</source>
        <translation>l&apos;abbazia %1 è già nel log (è stato modificato nel frattempo?); rilanciate l&apos;importazione.</translation>
    </message>
    <message>
        <source>le journal a été modifié entre-temps ; %1</source>
        <translation>il log è stato modificato nel frattempo; %1</translation>
    </message>
    <message>
        <source>relancez la recherche.</source>
        <translation>rilanciate la ricerca.</translation>
    </message>
    <message numerus="yes">
        <source>le journal sur le disque compte %n QSO de moins que celui affiché : une autre copie de KVR_ZEL ou un autre programme l&apos;a modifié, tronqué ou remplacé entre-temps.<byte value="xd"/>
La liste montre maintenant le journal tel qu&apos;il est ; vérifiez-le, puis validez de nouveau.</source>
        <translation>
            <numerusform>il log sul disco ha %n QSO in meno di quello mostrato: un&apos;altra copia di KVR_ZEL o un altro programma l&apos;ha modificato, troncato o sostituito nel frattempo.<byte value="xd"/>
La lista mostra ora il log così com&apos;è; controllatelo, poi convalidate di nuovo.</numerusform>
            <numerusform>il log sul disco ha %n QSO in meno di quello mostrato: un&apos;altra copia di KVR_ZEL o un altro programma l&apos;ha modificato, troncato o sostituito nel frattempo.<byte value="xd"/>
La lista mostra ora il log così com&apos;è; controllatelo, poi convalidate di nuovo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogSession</name>
    <message>
        <source>Aucune station n&apos;est encore choisie : le QSO n&apos;a pas été enregistré.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation>Nessuna stazione è ancora stata scelta: il QSO non è stato salvato.<byte value="xd"/>
<byte value="xd"/>
Create prima la stazione (menu Stazione, Nuovo nominativo).</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>INDICATIF DE LA STATION  : </source>
        <translation>NOMINATIVO DELLA STAZIONE  : </translation>
    </message>
    <message>
        <source>Mode de saisie</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Date UTC</source>
        <translation>Data UTC</translation>
    </message>
    <message>
        <source>Heure UTC</source>
        <translation>Ora UTC</translation>
    </message>
    <message>
        <source>Heure locale</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>Saisie ou modification d&apos;un QSO</source>
        <translation>Inserimento o modifica di un QSO</translation>
    </message>
    <message>
        <source>&amp;QSL</source>
        <translation>&amp;QSL</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Prenom (optionel)</source>
        <translation>Nome (facoltativo)</translation>
    </message>
    <message>
        <source>Ref Abbaye </source>
        <translation>Ref. abbazia </translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locatore</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>QRG</source>
        <translation>QRG</translation>
    </message>
    <message>
        <source>RST R</source>
        <translation>RST Rx</translation>
    </message>
    <message>
        <source>RST E</source>
        <translation>RST Tx</translation>
    </message>
    <message>
        <source>Mom de l&apos;Abbaye</source>
        <translation>Nome dell&apos;abbazia</translation>
    </message>
    <message>
        <source>Nom de l&apos;Abbaye</source>
        <translation>Nome dell&apos;abbazia</translation>
    </message>
    <message>
        <source>QSL reçue</source>
        <translation>QSL ricevuta</translation>
    </message>
    <message>
        <source>&amp;Valider le QSO</source>
        <translation>&amp;Convalida il QSO</translation>
    </message>
    <message>
        <source>Validation de la saisie en cours</source>
        <translation>Convalida l&apos;inserimento in corso</translation>
    </message>
    <message>
        <source>&amp;Effacer saisie en cours</source>
        <translation>Cance&amp;lla inserimento in corso</translation>
    </message>
    <message>
        <source>Annulation de la saisie en cours</source>
        <translation>Annulla l&apos;inserimento in corso</translation>
    </message>
    <message>
        <source>S&amp;upprimer un QSO</source>
        <translation>&amp;Elimina un QSO</translation>
    </message>
    <message>
        <source>Permet de supprimer un QSO</source>
        <translation>Per eliminare un QSO</translation>
    </message>
    <message>
        <source>&amp;Inserer un QSO</source>
        <translation>I&amp;nserisci un QSO</translation>
    </message>
    <message>
        <source>Permet d&apos;insérer un QSO</source>
        <translation>Per inserire un QSO</translation>
    </message>
    <message>
        <source>&amp;Rechercher un QSO</source>
        <translation>Ce&amp;rca un QSO</translation>
    </message>
    <message>
        <source>Permet la recherche d&apos;un QSO</source>
        <translation>Per cercare un QSO</translation>
    </message>
    <message>
        <source>&amp;Gestion des QSL</source>
        <translation>&amp;Gestione delle QSL</translation>
    </message>
    <message>
        <source>Un click sur un QSO pour l&apos;afficher ou le supprimer, un double click pour l&apos;éditer</source>
        <translation>Un clic su un QSO per visualizzarlo o eliminarlo, un doppio clic per modificarlo</translation>
    </message>
    <message>
        <source>Liste des QSO</source>
        <translation>Elenco dei QSO</translation>
    </message>
    <message>
        <source>&amp;Ouvrir le dossier des fichiers</source>
        <translation>&amp;Apri la cartella dei file</translation>
    </message>
    <message>
        <source>S&amp;tatistiques</source>
        <translation>S&amp;tatistiche</translation>
    </message>
    <message>
        <source>des &amp;Regions contactées</source>
        <translation>delle &amp;regioni collegate</translation>
    </message>
    <message>
        <source>&amp;Diplome ZEL</source>
        <translation>&amp;Diploma ZEL</translation>
    </message>
    <message>
        <source>R&amp;eglement</source>
        <translation>&amp;Regolamento</translation>
    </message>
    <message>
        <source>&amp;Liste des Abbayes contactées</source>
        <translation>&amp;Elenco delle abbazie collegate</translation>
    </message>
    <message>
        <source>&amp;Scores ZEL</source>
        <translation>&amp;Punteggi ZEL</translation>
    </message>
    <message>
        <source>&amp;QSL à recevoir</source>
        <translation>&amp;QSL da ricevere</translation>
    </message>
    <message>
        <source>Abbayes sur l&apos;&amp;air (cluster)</source>
        <translation>&amp;Abbazie in aria (cluster)</translation>
    </message>
    <message>
        <source>&amp;Télécharger les confirmations…</source>
        <translation>&amp;Scarica le conferme…</translation>
    </message>
    <message>
        <source>&amp;Mettre à jour la liste des abbayes</source>
        <translation>A&amp;ggiorna l&apos;elenco delle abbazie</translation>
    </message>
    <message>
        <source>Re&amp;venir à la liste précédente</source>
        <translation>&amp;Torna all&apos;elenco precedente</translation>
    </message>
    <message>
        <source>&amp;Poste radio (CAT)</source>
        <translation>&amp;Ricetrasmettitore (CAT)</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>     N°   Indicatif    Locator Prenom                  Ref       Date       QTR  Mode   QRG  RSTR RSTE                   Mom de l&apos;Abbaye                                                    QSL</source>
        <translation>     N.   Nominativo   Locatore Nome                   Ref.      Data       Ora  Modo   QRG  RSTRx RSTTx                 Nome dell&apos;abbazia                                                  QSL</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quitter KVR_ZEL</source>
        <translation>&amp;Esci da KVR_ZEL</translation>
    </message>
    <message>
        <source>&amp;Importer un fichier ADIF</source>
        <translation>&amp;Importa un file ADIF</translation>
    </message>
    <message>
        <source>&amp;Exporter le log au format ADIF</source>
        <translation>Es&amp;porta il log in formato ADIF</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Stazione</translation>
    </message>
    <message>
        <source>&amp;Nouvel Indicatif</source>
        <translation>&amp;Nuovo nominativo</translation>
    </message>
    <message>
        <source>Affic&amp;her</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>les &amp;Abbayes contactées</source>
        <translation>le &amp;abbazie collegate</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>A &amp;propos</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Mode d&apos;emploi</source>
        <translation>&amp;Manuale d&apos;uso</translation>
    </message>
    <message>
        <source>&amp;Historique</source>
        <translation>&amp;Cronologia delle versioni</translation>
    </message>
    <message>
        <source>&amp;Carte</source>
        <translation>&amp;Mappa</translation>
    </message>
    <message>
        <source>des &amp;regions contactées</source>
        <translation>delle &amp;regioni collegate</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enregistrement du log en cours…</source>
        <translation>Salvataggio del log in corso…</translation>
    </message>
    <message>
        <source>Le dossier des fichiers n&apos;a pas pu être ouvert :<byte value="xd"/>
%1</source>
        <translation>Impossibile aprire la cartella dei file:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>  KVR_ZEL    Revision %1</source>
        <translation>  KVR_ZEL    Revisione %1</translation>
    </message>
</context>
<context>
    <name>QsoEntry</name>
    <message>
        <source>Modification QSO</source>
        <translation>Modifica QSO</translation>
    </message>
    <message>
        <source>Insertion QSO</source>
        <translation>Inserimento QSO</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <translation>Nuovo QSO</translation>
    </message>
    <message>
        <source>%1 Abbaye deja contacté le %2</source>
        <translation>%1 Abbazia già collegata il %2</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer</source>
        <translation>Fate clic su una riga per modificarla</translation>
    </message>
    <message>
        <source>Voulez vous enregistrer ces données ?</source>
        <translation>Salvare questi dati?</translation>
    </message>
    <message>
        <source>La liste des prénoms n&apos;a pas pu être mise à jour :<byte value="xd"/>
%1</source>
        <translation>Impossibile aggiornare l&apos;elenco dei nomi:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Une saisie est en cours : elle sera perdue.<byte value="xd"/>
Quitter KVR_ZEL quand même ?</source>
        <translation>È in corso un inserimento: andrà perso.<byte value="xd"/>
Uscire comunque da KVR_ZEL?</translation>
    </message>
    <message>
        <source>Une saisie est en cours : elle sera perdue.<byte value="xd"/>
Commencer un nouveau QSO avec %1 ?</source>
        <translation>È in corso un inserimento: andrà perso.<byte value="xd"/>
Iniziare un nuovo QSO con %1?</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;effacerer</source>
        <translation>Fate clic su una riga per eliminarla</translation>
    </message>
    <message>
        <source>Voulez vous Supprimer ce QSO ?</source>
        <translation>Eliminare questo QSO?</translation>
    </message>
</context>
<context>
    <name>QsoListModel</name>
    <message>
        <source>N°</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locatore</translation>
    </message>
    <message>
        <source>Prenom</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Ref</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>QTR</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>QRG</source>
        <translation>QRG</translation>
    </message>
    <message>
        <source>RSTR</source>
        <translation>RST Rx</translation>
    </message>
    <message>
        <source>RSTE</source>
        <translation>RST Tx</translation>
    </message>
    <message>
        <source>Mom de l&apos;Abbaye</source>
        <translation>Nome dell&apos;abbazia</translation>
    </message>
    <message>
        <source>QSL</source>
        <translation>QSL</translation>
    </message>
    <message>
        <source>Ligne %1 du journal mal formée : elle est conservée telle quelle.</source>
        <translation>Riga %1 del log malformata: è conservata così com&apos;è.</translation>
    </message>
</context>
<context>
    <name>QsoRecord</name>
    <message>
        <source>la ligne du QSO compte %1 caractères au lieu de %2.</source>
        <translation>la riga del QSO ha %1 caratteri invece di %2.</translation>
    </message>
    <message>
        <source>la ligne du QSO contient un caractère que le journal (Windows-1252) ne peut pas contenir.</source>
        <translation>la riga del QSO contiene un carattere che il log (Windows-1252) non può contenere.</translation>
    </message>
    <message>
        <source>la ligne du QSO contient un caractère de contrôle (code %1).</source>
        <translation>la riga del QSO contiene un carattere di controllo (codice %1).</translation>
    </message>
</context>
<context>
    <name>QsoRowsModel</name>
    <message>
        <source>N°</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locatore</translation>
    </message>
    <message>
        <source>Prénom</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Referenza</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>RST reçu</source>
        <translation>RST ricevuto</translation>
    </message>
    <message>
        <source>RST envoyé</source>
        <translation>RST inviato</translation>
    </message>
    <message>
        <source>Nom de l&apos;Abbaye</source>
        <translation>Nome dell&apos;abbazia</translation>
    </message>
    <message>
        <source>QSL</source>
        <translation>QSL</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Le fichier de réglages %1 est endommagé (%2 octets, bien plus que des réglages n&apos;en occupent) : il n&apos;a pas été lu.</source>
        <translation>Il file delle impostazioni %1 è danneggiato (%2 byte, molto più di quanto occupino delle impostazioni): non è stato letto.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Il est gardé sous le nom %1 et KVR_ZEL démarre comme à sa première installation.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
È conservato con il nome %1 e KVR_ZEL si avvia come alla prima installazione.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Il n&apos;a pas pu être mis de côté : KVR_ZEL démarre comme à sa première installation et ne garde ses réglages que jusqu&apos;à sa fermeture.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Non è stato possibile metterlo da parte: KVR_ZEL si avvia come alla prima installazione e conserva le impostazioni solo fino alla chiusura.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : le fichier endommagé n&apos;a pas pu être mis de côté.</source>
        <translation>Impossibile salvare le impostazioni in %1: non è stato possibile mettere da parte il file danneggiato.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : le disque est plein.</source>
        <translation>Impossibile salvare le impostazioni in %1: il disco è pieno.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : le fichier ou son dossier est protégé en écriture.</source>
        <translation>Impossibile salvare le impostazioni in %1: il file o la sua cartella è protetto in scrittura.</translation>
    </message>
</context>
<context>
    <name>WaitNotice</name>
    <message>
        <source>Veuillez patienter</source>
        <translation>Attendere prego</translation>
    </message>
</context>
</TS>
