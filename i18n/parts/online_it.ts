<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ClusterConnection</name>
    <message>
        <source>Non connecté</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>Connexion à %1:%2…</source>
        <translation>Connessione a %1:%2…</translation>
    </message>
    <message>
        <source>Connecté à %1:%2</source>
        <translation>Connesso a %1:%2</translation>
    </message>
    <message>
        <source>le nœud a fermé la connexion</source>
        <translation>il nodo ha chiuso la connessione</translation>
    </message>
    <message>
        <source>Connexion perdue : %1. Nouvel essai dans %2 s.</source>
        <translation>Connessione persa: %1. Nuovo tentativo tra %2 s.</translation>
    </message>
    <message>
        <source>Connexion impossible : %1. Nouvel essai dans %2 s.</source>
        <translation>Connessione impossibile: %1. Nuovo tentativo tra %2 s.</translation>
    </message>
</context>
<context>
    <name>ConfirmController</name>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où marquer les confirmations.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation>Nessuna stazione è ancora scelta: non c&apos;è un log in cui segnare le conferme.<byte value="xd"/>
<byte value="xd"/>
Create prima la stazione (menu Stazione, Nuovo nominativo).</translation>
    </message>
</context>
<context>
    <name>ConfirmFetch</name>
    <message>
        <source>Aucune nouvelle confirmation sur %1</source>
        <translation>Nessuna nuova conferma su %1</translation>
    </message>
    <message>
        <source>%1 : %2 confirmations reçues, enregistrées dans %3.</source>
        <translation>%1: %2 conferme ricevute, salvate in %3.</translation>
    </message>
    <message>
        <source>Téléchargement du rapport de LoTW…</source>
        <translation>Scaricamento del rapporto di LoTW…</translation>
    </message>
    <message>
        <source>Demande de la boîte de réception d&apos;eQSL…</source>
        <translation>Richiesta della casella di arrivo di eQSL…</translation>
    </message>
    <message>
        <source>Téléchargement de eQSL annulé : rien n&apos;est enregistré.</source>
        <translation>Scaricamento da eQSL annullato: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Téléchargement du fichier d&apos;eQSL…</source>
        <translation>Scaricamento del file di eQSL…</translation>
    </message>
</context>
<context>
    <name>ConfirmWindow</name>
    <message>
        <source>Confirmations en ligne</source>
        <translation>Conferme in linea</translation>
    </message>
    <message>
        <source>Les confirmations reçues sur LoTW et sur eQSL sont téléchargées, enregistrées à côté du log, puis montrées avant d&apos;être marquées.</source>
        <translation>Le conferme ricevute su LoTW e su eQSL vengono scaricate, salvate accanto al log, poi mostrate prima di essere segnate.</translation>
    </message>
    <message>
        <source>Téléchargement en cours</source>
        <translation>Scaricamento in corso</translation>
    </message>
    <message>
        <source>Prêt : rien n&apos;est envoyé avant « Télécharger ».</source>
        <translation>Pronto: non viene inviato nulla prima di «Scarica».</translation>
    </message>
    <message>
        <source>&amp;Télécharger</source>
        <translation>&amp;Scarica</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Les mots de passe ne sont jamais écrits dans un fichier : ils vont dans le trousseau du bureau quand « Mémoriser le mot de passe » est coché.</source>
        <translation>Le password non vengono mai scritte in un file: vanno nel portachiavi del desktop quando «Memorizza la password» è spuntato.</translation>
    </message>
    <message>
        <source>Utiliser &amp;LoTW</source>
        <translation>Usa &amp;LoTW</translation>
    </message>
    <message>
        <source>Utiliser e&amp;QSL</source>
        <translation>Usa e&amp;QSL</translation>
    </message>
    <message>
        <source>&amp;Utilisateur :</source>
        <translation>&amp;Utente:</translation>
    </message>
    <message>
        <source>Utilisateu&amp;r :</source>
        <translation>U&amp;tente:</translation>
    </message>
    <message>
        <source>Utilisateur %1</source>
        <translation>Utente %1</translation>
    </message>
    <message>
        <source>QT&amp;H (facultatif) :</source>
        <translation>QT&amp;H (facoltativo):</translation>
    </message>
    <message>
        <source>Surnom de QTH %1</source>
        <translation>Nome del QTH %1</translation>
    </message>
    <message>
        <source>Le surnom du QTH, pour un compte eQSL qui en a plusieurs</source>
        <translation>Il nome del QTH, per un account eQSL che ne ha più d&apos;uno</translation>
    </message>
    <message>
        <source>&amp;Mot de passe :</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Mot de &amp;passe :</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>Mot de passe %1</source>
        <translation>Password %1</translation>
    </message>
    <message>
        <source>Mémori&amp;ser le mot de passe</source>
        <translation>&amp;Memorizza la password</translation>
    </message>
    <message>
        <source>Mém&amp;oriser le mot de passe</source>
        <translation>Memori&amp;zza la password</translation>
    </message>
    <message>
        <source>Mémoriser le mot de passe %1</source>
        <translation>Memorizza la password %1</translation>
    </message>
    <message>
        <source>&amp;Depuis le :</source>
        <translation>&amp;Dal giorno:</translation>
    </message>
    <message>
        <source>Depu&amp;is le :</source>
        <translation>Dal &amp;giorno:</translation>
    </message>
    <message>
        <source>Depuis le %1</source>
        <translation>Dal giorno %1</translation>
    </message>
    <message>
        <source>JJ/MM/AAAA, vide : tout</source>
        <translation>GG/MM/AAAA, vuoto: tutto</translation>
    </message>
    <message>
        <source>Les confirmations reçues depuis ce jour ; vide : toutes</source>
        <translation>Le conferme ricevute da questo giorno; vuoto: tutte</translation>
    </message>
    <message>
        <source>Par défaut, l&apos;indicatif de base de la station</source>
        <translation>Se vuoto, il nominativo base della stazione</translation>
    </message>
    <message>
        <source>Aucun trousseau ne répond (%1) : le mot de passe est demandé à chaque téléchargement et n&apos;est gardé nulle part.</source>
        <translation>Nessun portachiavi risponde (%1): la password viene chiesta a ogni scaricamento e non è conservata da nessuna parte.</translation>
    </message>
    <message>
        <source>aucun trousseau de bureau</source>
        <translation>nessun portachiavi del desktop</translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octets</source>
        <translation>
            <numerusform>Ricevuto: %1 byte</numerusform>
            <numerusform>Ricevuti: %1 byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octet</source>
        <translation>
            <numerusform>Ricevuto: %1 byte</numerusform>
            <numerusform>Ricevuti: %1 byte</numerusform>
        </translation>
    </message>
    <message>
        <source>en cours</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>arrêté</source>
        <translation>fermo</translation>
    </message>
    <message>
        <source>%1 : la date « Depuis le » se lit JJ/MM/AAAA (vide : tout).</source>
        <translation>%1: la data «Dal giorno» si scrive GG/MM/AAAA (vuoto: tutto).</translation>
    </message>
    <message>
        <source>%1 : l&apos;utilisateur et le mot de passe sont nécessaires.</source>
        <translation>%1: servono l&apos;utente e la password.</translation>
    </message>
    <message>
        <source>Cochez « Utiliser » pour LoTW, pour eQSL ou pour les deux.</source>
        <translation>Spuntate «Usa» per LoTW, per eQSL o per entrambi.</translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation>Impostazioni non salvate: %1</translation>
    </message>
    <message>
        <source>Le mot de passe de %1 n&apos;a pas pu être mémorisé (%2) : il sera demandé au prochain téléchargement.</source>
        <translation>Non è stato possibile memorizzare la password di %1 (%2): verrà chiesta al prossimo scaricamento.</translation>
    </message>
    <message>
        <source>Téléchargement annulé : rien n&apos;est enregistré ni marqué.</source>
        <translation>Scaricamento annullato: nulla è stato salvato né segnato.</translation>
    </message>
    <message>
        <source>La date « Depuis le » n&apos;a pas pu être enregistrée : %1</source>
        <translation>Non è stato possibile salvare la data «Dal giorno»: %1</translation>
    </message>
</context>
<context>
    <name>KeyringPlugin</name>
    <message>
        <source>le trousseau du bureau ne répond pas</source>
        <translation>il portachiavi del desktop non risponde</translation>
    </message>
    <message>
        <source>le trousseau du bureau est verrouillé ou son accès a été refusé</source>
        <translation>il portachiavi del desktop è bloccato o l&apos;accesso è stato negato</translation>
    </message>
    <message>
        <source>aucun trousseau de bureau n&apos;est disponible</source>
        <translation>nessun portachiavi del desktop è disponibile</translation>
    </message>
    <message>
        <source>le trousseau du bureau a refusé la demande</source>
        <translation>il portachiavi del desktop ha rifiutato la richiesta</translation>
    </message>
</context>
<context>
    <name>PasswordKeyring</name>
    <message>
        <source>le module du trousseau n&apos;a pas pu être chargé (%1)</source>
        <translation>non è stato possibile caricare il modulo del portachiavi (%1)</translation>
    </message>
    <message>
        <source>le module du trousseau n&apos;est pas celui de cette version du programme</source>
        <translation>il modulo del portachiavi non è quello di questa versione del programma</translation>
    </message>
</context>
<context>
    <name>RadioLink</name>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation>l&apos;apparato non risponde (tempo scaduto)</translation>
    </message>
    <message>
        <source>fréquence incomprise : « %1 »</source>
        <translation>frequenza non compresa: «%1»</translation>
    </message>
    <message>
        <source>mode incompris : « %1 »</source>
        <translation>modo non compreso: «%1»</translation>
    </message>
</context>
<context>
    <name>RadioModels</name>
    <message>
        <source>rigctl est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils (sudo apt install libhamlib-utils). Seul le poste factice de Hamlib est proposé.</source>
        <translation>rigctl non trovato: l&apos;apparato radio (CAT) richiede il pacchetto libhamlib-utils (sudo apt install libhamlib-utils). Viene proposto solo l&apos;apparato fittizio di Hamlib.</translation>
    </message>
</context>
<context>
    <name>RadioPoller</name>
    <message>
        <source>le poste radio n&apos;est pas utilisé</source>
        <translation>l&apos;apparato radio non è in uso</translation>
    </message>
    <message>
        <source>connexion au poste radio…</source>
        <translation>connessione all&apos;apparato radio…</translation>
    </message>
</context>
<context>
    <name>RadioReading</name>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise ; mode non repris)</source>
        <translation>%1 (frequenza fuori dalle bande del log, QRG non ripresa; modo non ripreso)</translation>
    </message>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise)</source>
        <translation>%1 (frequenza fuori dalle bande del log, QRG non ripresa)</translation>
    </message>
    <message>
        <source>%1 (mode non repris)</source>
        <translation>%1 (modo non ripreso)</translation>
    </message>
    <message>
        <source>Poste radio non joignable</source>
        <translation>Apparato radio non raggiungibile</translation>
    </message>
    <message>
        <source>Poste radio non joignable : %1</source>
        <translation>Apparato radio non raggiungibile: %1</translation>
    </message>
</context>
<context>
    <name>RadioWindow</name>
    <message>
        <source>Poste radio</source>
        <translation>Apparato radio</translation>
    </message>
    <message>
        <source>&amp;Utiliser le poste radio</source>
        <translation>&amp;Usa l&apos;apparato radio</translation>
    </message>
    <message>
        <source>Utiliser le poste radio</source>
        <translation>Usa l&apos;apparato radio</translation>
    </message>
    <message>
        <source>Modèle du poste</source>
        <translation>Modello dell&apos;apparato</translation>
    </message>
    <message>
        <source>marque ou modèle, par exemple FT-991</source>
        <translation>marca o modello, per esempio FT-991</translation>
    </message>
    <message>
        <source>Lecture de la liste des modèles de Hamlib…</source>
        <translation>Lettura della lista dei modelli di Hamlib…</translation>
    </message>
    <message>
        <source>&amp;Filtre</source>
        <translation>&amp;Filtro</translation>
    </message>
    <message>
        <source>Filtre des modèles</source>
        <translation>Filtro dei modelli</translation>
    </message>
    <message>
        <source>Mo&amp;dèle</source>
        <translation>Mo&amp;dello</translation>
    </message>
    <message>
        <source>Liaison</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Port &amp;série</source>
        <translation>Porta &amp;seriale</translation>
    </message>
    <message>
        <source>Port série</source>
        <translation>Porta seriale</translation>
    </message>
    <message>
        <source>&amp;Réseau (rigctld)</source>
        <translation>&amp;Rete (rigctld)</translation>
    </message>
    <message>
        <source>Réseau (rigctld)</source>
        <translation>Rete (rigctld)</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;orta</translation>
    </message>
    <message>
        <source>Port série du poste</source>
        <translation>Porta seriale dell&apos;apparato</translation>
    </message>
    <message>
        <source>Vit&amp;esse</source>
        <translation>V&amp;elocità</translation>
    </message>
    <message>
        <source>Vitesse en bauds</source>
        <translation>Velocità in baud</translation>
    </message>
    <message>
        <source>&amp;Hôte</source>
        <translation>&amp;Host</translation>
    </message>
    <message>
        <source>Hôte de rigctld</source>
        <translation>Host di rigctld</translation>
    </message>
    <message>
        <source>&amp;Numéro de port</source>
        <translation>&amp;Numero di porta</translation>
    </message>
    <message>
        <source>Port de rigctld</source>
        <translation>Porta di rigctld</translation>
    </message>
    <message>
        <source>&amp;Tester</source>
        <translation>&amp;Prova</translation>
    </message>
    <message>
        <source>Réponse du poste :</source>
        <translation>Risposta dell&apos;apparato:</translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation>&amp;Conferma</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>aucun port série choisi</source>
        <translation>nessuna porta seriale scelta</translation>
    </message>
    <message>
        <source>Lecture du poste radio…</source>
        <translation>Lettura dell&apos;apparato radio…</translation>
    </message>
    <message>
        <source>Choisissez le port série du poste radio.</source>
        <translation>Scegliete la porta seriale dell&apos;apparato radio.</translation>
    </message>
    <message>
        <source>Indiquez l&apos;hôte de rigctld (localhost sur cet ordinateur).</source>
        <translation>Indicate l&apos;host di rigctld (localhost su questo computer).</translation>
    </message>
</context>
<context>
    <name>RadioWindows</name>
    <message>
        <source>CAT :</source>
        <translation>CAT:</translation>
    </message>
</context>
<context>
    <name>ReportDownload</name>
    <message>
        <source>%1 ne répond pas (connexion refusée).</source>
        <translation>%1 non risponde (connessione rifiutata).</translation>
    </message>
    <message>
        <source>Le serveur de %1 est introuvable : vérifiez la connexion à Internet.</source>
        <translation>Il server di %1 non si trova: verificate la connessione a Internet.</translation>
    </message>
    <message>
        <source>%1 a coupé la connexion avant la fin de sa réponse : rien n&apos;est enregistré.</source>
        <translation>%1 ha chiuso la connessione prima della fine della risposta: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>La connexion sécurisée avec %1 a échoué (certificat refusé).</source>
        <translation>La connessione sicura con %1 non è riuscita (certificato rifiutato).</translation>
    </message>
    <message>
        <source>%1 a refusé l&apos;identifiant ou le mot de passe</source>
        <translation>%1 ha rifiutato l&apos;utente o la password</translation>
    </message>
    <message>
        <source>%1 ne connaît pas la page demandée (vérifiez son adresse dans les réglages).</source>
        <translation>%1 non conosce la pagina richiesta (verificatene l&apos;indirizzo nelle impostazioni).</translation>
    </message>
    <message>
        <source>Le proxy du système n&apos;a pas permis de joindre %1.</source>
        <translation>Il proxy del sistema non ha permesso di raggiungere %1.</translation>
    </message>
    <message>
        <source>Le réseau n&apos;est pas disponible : %1 n&apos;a pas pu être joint.</source>
        <translation>La rete non è disponibile: non è stato possibile raggiungere %1.</translation>
    </message>
    <message>
        <source>La connexion avec %1 a échoué (erreur réseau %2).</source>
        <translation>La connessione con %1 non è riuscita (errore di rete %2).</translation>
    </message>
    <message>
        <source>L&apos;adresse de %1 n&apos;est pas sûre (HTTPS obligatoire hors de cet ordinateur) : rien n&apos;est envoyé.</source>
        <translation>L&apos;indirizzo di %1 non è sicuro (HTTPS obbligatorio fuori da questo computer): non viene inviato nulla.</translation>
    </message>
    <message>
        <source>Téléchargement de %1 annulé : rien n&apos;est enregistré.</source>
        <translation>Scaricamento da %1 annullato: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>%1 ne répond plus depuis %2 s : téléchargement abandonné, rien n&apos;est enregistré.</source>
        <translation>%1 non risponde più da %2 s: scaricamento abbandonato, non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>%1 renvoie vers un autre serveur ou une adresse non chiffrée : la demande n&apos;y est pas envoyée.</source>
        <translation>%1 rimanda a un altro server o a un indirizzo non cifrato: la richiesta non vi viene inviata.</translation>
    </message>
    <message>
        <source>Le serveur de %1 a répondu par une erreur (code HTTP %2) : rien n&apos;est enregistré.</source>
        <translation>Il server di %1 ha risposto con un errore (codice HTTP %2): non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>La page envoyée par %1 est trop grande pour en être une : abandon.</source>
        <translation>La pagina inviata da %1 è troppo grande per esserlo davvero: abbandono.</translation>
    </message>
    <message>
        <source>La réponse de %1 n&apos;a pas pu être enregistrée : %2</source>
        <translation>Non è stato possibile salvare la risposta di %1: %2</translation>
    </message>
</context>
<context>
    <name>RigctldClient</name>
    <message>
        <source>rigctld ne répond pas sur %1:%2 (%3)</source>
        <translation>rigctld non risponde su %1:%2 (%3)</translation>
    </message>
    <message>
        <source>valeur refusée par le logbook</source>
        <translation>valore rifiutato dal logbook</translation>
    </message>
    <message>
        <source>rigctld n&apos;écoute pas</source>
        <translation>rigctld non è in ascolto</translation>
    </message>
    <message>
        <source>connexion refusée</source>
        <translation>connessione rifiutata</translation>
    </message>
    <message>
        <source>rigctld a fermé la liaison</source>
        <translation>rigctld ha chiuso il collegamento</translation>
    </message>
    <message>
        <source>hôte « %1 » inconnu</source>
        <translation>host «%1» sconosciuto</translation>
    </message>
    <message>
        <source>réponse incomprise du poste radio</source>
        <translation>risposta non compresa dall&apos;apparato radio</translation>
    </message>
</context>
<context>
    <name>RigctldProcess</name>
    <message>
        <source>aucun port libre sur cet ordinateur pour rigctld</source>
        <translation>nessuna porta libera su questo computer per rigctld</translation>
    </message>
    <message>
        <source>rigctld est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils</source>
        <translation>rigctld non trovato: l&apos;apparato radio (CAT) richiede il pacchetto libhamlib-utils</translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté</source>
        <translation>rigctld si è fermato</translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté : %1</source>
        <translation>rigctld si è fermato: %1</translation>
    </message>
</context>
<context>
    <name>RigctldReader</name>
    <message>
        <source>paramètre refusé</source>
        <translation>parametro rifiutato</translation>
    </message>
    <message>
        <source>réglage de la liaison incorrect (port, hôte ou vitesse)</source>
        <translation>impostazione del collegamento errata (porta, host o velocità)</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>ce modèle ne sait pas donner cette valeur</source>
        <translation>questo modello non sa fornire questo valore</translation>
    </message>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation>l&apos;apparato non risponde (tempo scaduto)</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie : port absent ou câble débranché</source>
        <translation>errore di ingresso-uscita: porta assente o cavo scollegato</translation>
    </message>
    <message>
        <source>erreur interne de Hamlib</source>
        <translation>errore interno di Hamlib</translation>
    </message>
    <message>
        <source>réponse incomprise (modèle ou vitesse incorrects ?)</source>
        <translation>risposta non compresa (modello o velocità errati?)</translation>
    </message>
    <message>
        <source>commande refusée par le poste</source>
        <translation>comando rifiutato dall&apos;apparato</translation>
    </message>
    <message>
        <source>erreur sur la liaison</source>
        <translation>errore sul collegamento</translation>
    </message>
    <message>
        <source>le poste est éteint</source>
        <translation>l&apos;apparato è spento</translation>
    </message>
    <message>
        <source>erreur %1 de Hamlib</source>
        <translation>errore %1 di Hamlib</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>LoTW a refusé l&apos;identifiant ou le mot de passe</source>
        <translation>LoTW ha rifiutato l&apos;utente o la password</translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : rien n&apos;est enregistré.</source>
        <translation>LoTW non ha inviato un rapporto: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : %1</source>
        <translation>LoTW non ha inviato un rapporto: %1</translation>
    </message>
    <message>
        <source>Le rapport de LoTW est arrivé incomplet (%1 confirmations reçues avant la coupure) : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation>Il rapporto di LoTW è arrivato incompleto (%1 conferme ricevute prima dell&apos;interruzione): non è stato salvato nulla. Riprovate più tardi.</translation>
    </message>
    <message>
        <source>eQSL a refusé l&apos;identifiant ou le mot de passe</source>
        <translation>eQSL ha rifiutato l&apos;utente o la password</translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations.</source>
        <translation>eQSL non ha indicato un file di conferme.</translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations : %1</source>
        <translation>eQSL non ha indicato un file di conferme: %1</translation>
    </message>
    <message>
        <source>eQSL a indiqué un fichier sur un autre serveur : il n&apos;est pas téléchargé.</source>
        <translation>eQSL ha indicato un file su un altro server: non viene scaricato.</translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas envoyé de fichier ADIF : rien n&apos;est enregistré.</source>
        <translation>eQSL non ha inviato un file ADIF: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;eQSL est arrivé incomplet : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation>Il file di eQSL è arrivato incompleto: non è stato salvato nulla. Riprovate più tardi.</translation>
    </message>
</context>
<context>
    <name>SpotDesk</name>
    <message>
        <source>Le poste radio n&apos;a pas pu être réglé sur %1 : %2</source>
        <translation>Non è stato possibile sintonizzare l&apos;apparato radio su %1: %2</translation>
    </message>
    <message>
        <source>Poste radio réglé sur %1</source>
        <translation>Apparato radio sintonizzato su %1</translation>
    </message>
</context>
<context>
    <name>SpotModel</name>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Referenza</translation>
    </message>
    <message>
        <source>Abbaye</source>
        <translation>Abbazia</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Annoncé par</source>
        <translation>Segnalato da</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Statut</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>%1 (hors liste)</source>
        <translation>%1 (fuori lista)</translation>
    </message>
    <message>
        <source>hors liste</source>
        <translation>fuori lista</translation>
    </message>
    <message>
        <source>hors bandes</source>
        <translation>fuori banda</translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9</source>
        <translation>%1: %2 su %3 kHz (%4), %5, %6 %7, segnalato da %8 alle %9</translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9 : « %10 »</source>
        <translation>%1: %2 su %3 kHz (%4), %5, %6 %7, segnalato da %8 alle %9: «%10»</translation>
    </message>
</context>
<context>
    <name>SpotStanding</name>
    <message>
        <source>Nouvelle abbaye, Nouvelle région</source>
        <translation>Nuova abbazia, Nuova regione</translation>
    </message>
    <message>
        <source>Nouvelle abbaye</source>
        <translation>Nuova abbazia</translation>
    </message>
    <message>
        <source>Contactée</source>
        <translation>Collegata</translation>
    </message>
    <message>
        <source>Confirmée</source>
        <translation>Confermata</translation>
    </message>
    <message>
        <source>Inconnu (log illisible)</source>
        <translation>Sconosciuto (log illeggibile)</translation>
    </message>
</context>
<context>
    <name>SpotWindow</name>
    <message>
        <source>Abbayes sur l&apos;air</source>
        <translation>Abbazie in aria</translation>
    </message>
    <message>
        <source>Nœud du cluster (nom ou adresse)</source>
        <translation>Nodo del cluster (nome o indirizzo)</translation>
    </message>
    <message>
        <source>nom ou adresse du nœud</source>
        <translation>nome o indirizzo del nodo</translation>
    </message>
    <message>
        <source>Port du nœud</source>
        <translation>Porta del nodo</translation>
    </message>
    <message>
        <source>Indicatif de connexion au cluster</source>
        <translation>Nominativo di accesso al cluster</translation>
    </message>
    <message>
        <source>Se &amp;connecter</source>
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <source>Se connecter au nœud ; pendant l&apos;attente d&apos;un nouvel essai, essayer maintenant</source>
        <translation>Connettersi al nodo; mentre si attende un nuovo tentativo, riprovare subito</translation>
    </message>
    <message>
        <source>Se déc&amp;onnecter</source>
        <translation>Disc&amp;onnetti</translation>
    </message>
    <message>
        <source>Réglages du cluster</source>
        <translation>Impostazioni del cluster</translation>
    </message>
    <message>
        <source>&amp;Nœud :</source>
        <translation>&amp;Nodo:</translation>
    </message>
    <message>
        <source>&amp;Port :</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>&amp;Indicatif :</source>
        <translation>No&amp;minativo:</translation>
    </message>
    <message>
        <source>État :</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Seulement les abbayes à con&amp;tacter</source>
        <translation>Solo le abbazie da colle&amp;gare</translation>
    </message>
    <message>
        <source>&amp;Son à l&apos;annonce d&apos;une abbaye à contacter</source>
        <translation>&amp;Suono alla segnalazione di un&apos;abbazia da collegare</translation>
    </message>
    <message>
        <source>Les abbayes à contacter d&apos;abord ; Entrée ou un double clic règle le poste et prépare le QSO</source>
        <translation>Prima le abbazie da collegare; Invio o un doppio clic sintonizza l&apos;apparato e prepara il QSO</translation>
    </message>
    <message>
        <source>&amp;Annoncer…</source>
        <translation>&amp;Annuncia…</translation>
    </message>
    <message>
        <source>Envoie une annonce au cluster (commande DX)</source>
        <translation>Invia una segnalazione al cluster (comando DX)</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Chi&amp;udi</translation>
    </message>
    <message>
        <source>&amp;Voir les nouveaux spots</source>
        <translation>&amp;Vedi i nuovi spot</translation>
    </message>
    <message>
        <source>Fait entrer dans la liste les spots arrivés pendant que vous la regardiez</source>
        <translation>Fa entrare nella lista gli spot arrivati mentre la guardavate</translation>
    </message>
    <message numerus="yes">
        <source>%n nouveau spot en attente</source>
        <translation>
            <numerusform>%n nuovo spot in attesa</numerusform>
            <numerusform>%n nuovi spot in attesa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nouveaux spots en attente</source>
        <translation>
            <numerusform>%n nuovo spot in attesa</numerusform>
            <numerusform>%n nuovi spot in attesa</numerusform>
        </translation>
    </message>
    <message>
        <source>Indiquez le nœud du cluster (nom ou adresse) avant de vous connecter.</source>
        <translation>Indicate il nodo del cluster (nome o indirizzo) prima di connettervi.</translation>
    </message>
    <message>
        <source>Indiquez l&apos;indicatif avec lequel se connecter au cluster.</source>
        <translation>Indicate il nominativo con cui connettersi al cluster.</translation>
    </message>
    <message numerus="yes">
        <source>%n spot(s) affiché(s) sur %1</source>
        <translation>
            <numerusform>%n spot mostrato su %1</numerusform>
            <numerusform>%n spot mostrati su %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Le cluster n&apos;est pas connecté : l&apos;annonce ne peut pas être envoyée.</source>
        <translation>Il cluster non è connesso: la segnalazione non può essere inviata.</translation>
    </message>
    <message>
        <source>Annoncer au cluster</source>
        <translation>Segnala al cluster</translation>
    </message>
    <message>
        <source>&amp;Fréquence (kHz) :</source>
        <translation>&amp;Frequenza (kHz):</translation>
    </message>
    <message>
        <source>&amp;Commentaire :</source>
        <translation>&amp;Commento:</translation>
    </message>
    <message>
        <source>&amp;Envoyer</source>
        <translation>&amp;Invia</translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>L&apos;annonce demande une fréquence en kHz et un indicatif.</source>
        <translation>La segnalazione richiede una frequenza in kHz e un nominativo.</translation>
    </message>
    <message>
        <source>Envoyer cette annonce au cluster ?<byte value="xd"/>
%1</source>
        <translation>Inviare questa segnalazione al cluster?<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Le cluster n&apos;est plus connecté : l&apos;annonce n&apos;a pas été envoyée.</source>
        <translation>Il cluster non è più connesso: la segnalazione non è stata inviata.</translation>
    </message>
</context>
<context>
    <name>SpotWindows</name>
    <message>
        <source>Cluster :</source>
        <translation>Cluster:</translation>
    </message>
    <message>
        <source>abbaye à contacter %1 sur %2 kHz (%3), %4</source>
        <translation>abbazia da collegare %1 su %2 kHz (%3), %4</translation>
    </message>
</context>
</TS>
