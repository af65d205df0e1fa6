<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>ClusterConnection</name>
    <message>
        <source>Non connecté</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Connexion à %1:%2…</source>
        <translation>Connecting to %1:%2…</translation>
    </message>
    <message>
        <source>Connecté à %1:%2</source>
        <translation>Connected to %1:%2</translation>
    </message>
    <message>
        <source>le nœud a fermé la connexion</source>
        <translation>the node closed the connection</translation>
    </message>
    <message>
        <source>Connexion perdue : %1. Nouvel essai dans %2 s.</source>
        <translation>Connection lost: %1. Trying again in %2 s.</translation>
    </message>
    <message>
        <source>Connexion impossible : %1. Nouvel essai dans %2 s.</source>
        <translation>Cannot connect: %1. Trying again in %2 s.</translation>
    </message>
</context>
<context>
    <name>ConfirmController</name>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où marquer les confirmations.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation>No station has been chosen yet: there is no log to mark the confirmations in.<byte value="xd"/>
<byte value="xd"/>
Create the station first (Station menu, New Callsign).</translation>
    </message>
</context>
<context>
    <name>ConfirmFetch</name>
    <message>
        <source>Aucune nouvelle confirmation sur %1</source>
        <translation>No new confirmation on %1</translation>
    </message>
    <message>
        <source>%1 : %2 confirmations reçues, enregistrées dans %3.</source>
        <translation>%1: %2 confirmations received, saved in %3.</translation>
    </message>
    <message>
        <source>Téléchargement du rapport de LoTW…</source>
        <translation>Downloading the LoTW report…</translation>
    </message>
    <message>
        <source>Demande de la boîte de réception d&apos;eQSL…</source>
        <translation>Asking for the eQSL inbox…</translation>
    </message>
    <message>
        <source>Téléchargement de eQSL annulé : rien n&apos;est enregistré.</source>
        <translation>eQSL download cancelled: nothing was saved.</translation>
    </message>
    <message>
        <source>Téléchargement du fichier d&apos;eQSL…</source>
        <translation>Downloading the eQSL file…</translation>
    </message>
</context>
<context>
    <name>ConfirmWindow</name>
    <message>
        <source>Confirmations en ligne</source>
        <translation>Online confirmations</translation>
    </message>
    <message>
        <source>Les confirmations reçues sur LoTW et sur eQSL sont téléchargées, enregistrées à côté du log, puis montrées avant d&apos;être marquées.</source>
        <translation>The confirmations received on LoTW and eQSL are downloaded, saved beside the log, then shown before they are marked.</translation>
    </message>
    <message>
        <source>Téléchargement en cours</source>
        <translation>Download in progress</translation>
    </message>
    <message>
        <source>Prêt : rien n&apos;est envoyé avant « Télécharger ».</source>
        <translation>Ready: nothing is sent before “Download”.</translation>
    </message>
    <message>
        <source>&amp;Télécharger</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Les mots de passe ne sont jamais écrits dans un fichier : ils vont dans le trousseau du bureau quand « Mémoriser le mot de passe » est coché.</source>
        <translation>Passwords are never written to a file: they go to the desktop keyring when “Remember the password” is ticked.</translation>
    </message>
    <message>
        <source>Utiliser &amp;LoTW</source>
        <translation>Use &amp;LoTW</translation>
    </message>
    <message>
        <source>Utiliser e&amp;QSL</source>
        <translation>Use e&amp;QSL</translation>
    </message>
    <message>
        <source>&amp;Utilisateur :</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <source>Utilisateu&amp;r :</source>
        <translation>Use&amp;r:</translation>
    </message>
    <message>
        <source>Utilisateur %1</source>
        <translation>User %1</translation>
    </message>
    <message>
        <source>QT&amp;H (facultatif) :</source>
        <translation>QT&amp;H (optional):</translation>
    </message>
    <message>
        <source>Surnom de QTH %1</source>
        <translation>QTH nickname %1</translation>
    </message>
    <message>
        <source>Le surnom du QTH, pour un compte eQSL qui en a plusieurs</source>
        <translation>The QTH nickname, for an eQSL account that has several</translation>
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
        <translation>Re&amp;member the password</translation>
    </message>
    <message>
        <source>Mém&amp;oriser le mot de passe</source>
        <translation>Remem&amp;ber the password</translation>
    </message>
    <message>
        <source>Mémoriser le mot de passe %1</source>
        <translation>Remember the %1 password</translation>
    </message>
    <message>
        <source>&amp;Depuis le :</source>
        <translation>&amp;Since:</translation>
    </message>
    <message>
        <source>Depu&amp;is le :</source>
        <translation>S&amp;ince:</translation>
    </message>
    <message>
        <source>Depuis le %1</source>
        <translation>Since %1</translation>
    </message>
    <message>
        <source>JJ/MM/AAAA, vide : tout</source>
        <translation>DD/MM/YYYY, empty: all</translation>
    </message>
    <message>
        <source>Les confirmations reçues depuis ce jour ; vide : toutes</source>
        <translation>The confirmations received since this day; empty: all</translation>
    </message>
    <message>
        <source>Par défaut, l&apos;indicatif de base de la station</source>
        <translation>By default, the station&apos;s base callsign</translation>
    </message>
    <message>
        <source>Aucun trousseau ne répond (%1) : le mot de passe est demandé à chaque téléchargement et n&apos;est gardé nulle part.</source>
        <translation>No keyring answers (%1): the password is asked for at each download and kept nowhere.</translation>
    </message>
    <message>
        <source>aucun trousseau de bureau</source>
        <translation>no desktop keyring</translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octets</source>
        <translation>
            <numerusform>Received: %1 byte</numerusform>
            <numerusform>Received: %1 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octet</source>
        <translation>
            <numerusform>Received: %1 byte</numerusform>
            <numerusform>Received: %1 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>en cours</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>arrêté</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>%1 : la date « Depuis le » se lit JJ/MM/AAAA (vide : tout).</source>
        <translation>%1: the “Since” date reads DD/MM/YYYY (empty: all).</translation>
    </message>
    <message>
        <source>%1 : l&apos;utilisateur et le mot de passe sont nécessaires.</source>
        <translation>%1: the user name and the password are needed.</translation>
    </message>
    <message>
        <source>Cochez « Utiliser » pour LoTW, pour eQSL ou pour les deux.</source>
        <translation>Tick “Use” for LoTW, for eQSL or for both.</translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation>Settings not saved: %1</translation>
    </message>
    <message>
        <source>Le mot de passe de %1 n&apos;a pas pu être mémorisé (%2) : il sera demandé au prochain téléchargement.</source>
        <translation>The %1 password could not be remembered (%2): it will be asked for at the next download.</translation>
    </message>
    <message>
        <source>Téléchargement annulé : rien n&apos;est enregistré ni marqué.</source>
        <translation>Download cancelled: nothing was saved or marked.</translation>
    </message>
    <message>
        <source>La date « Depuis le » n&apos;a pas pu être enregistrée : %1</source>
        <translation>The “Since” date could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>KeyringPlugin</name>
    <message>
        <source>le trousseau du bureau ne répond pas</source>
        <translation>the desktop keyring does not answer</translation>
    </message>
    <message>
        <source>le trousseau du bureau est verrouillé ou son accès a été refusé</source>
        <translation>the desktop keyring is locked or access to it was refused</translation>
    </message>
    <message>
        <source>aucun trousseau de bureau n&apos;est disponible</source>
        <translation>no desktop keyring is available</translation>
    </message>
    <message>
        <source>le trousseau du bureau a refusé la demande</source>
        <translation>the desktop keyring refused the request</translation>
    </message>
</context>
<context>
    <name>PasswordKeyring</name>
    <message>
        <source>le module du trousseau n&apos;a pas pu être chargé (%1)</source>
        <translation>the keyring module could not be loaded (%1)</translation>
    </message>
    <message>
        <source>le module du trousseau n&apos;est pas celui de cette version du programme</source>
        <translation>the keyring module is not the one of this version of the program</translation>
    </message>
</context>
<context>
    <name>RadioLink</name>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation>the radio does not answer (timed out)</translation>
    </message>
    <message>
        <source>fréquence incomprise : « %1 »</source>
        <translation>frequency not understood: “%1”</translation>
    </message>
    <message>
        <source>mode incompris : « %1 »</source>
        <translation>mode not understood: “%1”</translation>
    </message>
</context>
<context>
    <name>RadioModels</name>
    <message>
        <source>rigctl est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils (sudo apt install libhamlib-utils). Seul le poste factice de Hamlib est proposé.</source>
        <translation>rigctl cannot be found: the radio (CAT) needs the libhamlib-utils package (sudo apt install libhamlib-utils). Only the Hamlib dummy radio is offered.</translation>
    </message>
</context>
<context>
    <name>RadioPoller</name>
    <message>
        <source>le poste radio n&apos;est pas utilisé</source>
        <translation>the radio is not in use</translation>
    </message>
    <message>
        <source>connexion au poste radio…</source>
        <translation>connecting to the radio…</translation>
    </message>
</context>
<context>
    <name>RadioReading</name>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise ; mode non repris)</source>
        <translation>%1 (frequency outside the log&apos;s bands, QRG not taken; mode not taken)</translation>
    </message>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise)</source>
        <translation>%1 (frequency outside the log&apos;s bands, QRG not taken)</translation>
    </message>
    <message>
        <source>%1 (mode non repris)</source>
        <translation>%1 (mode not taken)</translation>
    </message>
    <message>
        <source>Poste radio non joignable</source>
        <translation>Radio not reachable</translation>
    </message>
    <message>
        <source>Poste radio non joignable : %1</source>
        <translation>Radio not reachable: %1</translation>
    </message>
</context>
<context>
    <name>RadioWindow</name>
    <message>
        <source>Poste radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Utiliser le poste radio</source>
        <translation>&amp;Use the radio</translation>
    </message>
    <message>
        <source>Utiliser le poste radio</source>
        <translation>Use the radio</translation>
    </message>
    <message>
        <source>Modèle du poste</source>
        <translation>Radio model</translation>
    </message>
    <message>
        <source>marque ou modèle, par exemple FT-991</source>
        <translation>make or model, for example FT-991</translation>
    </message>
    <message>
        <source>Lecture de la liste des modèles de Hamlib…</source>
        <translation>Reading Hamlib&apos;s list of models…</translation>
    </message>
    <message>
        <source>&amp;Filtre</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Filtre des modèles</source>
        <translation>Model filter</translation>
    </message>
    <message>
        <source>Mo&amp;dèle</source>
        <translation>Mo&amp;del</translation>
    </message>
    <message>
        <source>Liaison</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Port &amp;série</source>
        <translation>&amp;Serial port</translation>
    </message>
    <message>
        <source>Port série</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>&amp;Réseau (rigctld)</source>
        <translation>Net&amp;work (rigctld)</translation>
    </message>
    <message>
        <source>Réseau (rigctld)</source>
        <translation>Network (rigctld)</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>Port série du poste</source>
        <translation>The radio&apos;s serial port</translation>
    </message>
    <message>
        <source>Vit&amp;esse</source>
        <translation>Sp&amp;eed</translation>
    </message>
    <message>
        <source>Vitesse en bauds</source>
        <translation>Speed in bauds</translation>
    </message>
    <message>
        <source>&amp;Hôte</source>
        <translation>&amp;Host</translation>
    </message>
    <message>
        <source>Hôte de rigctld</source>
        <translation>rigctld host</translation>
    </message>
    <message>
        <source>&amp;Numéro de port</source>
        <translation>Port &amp;number</translation>
    </message>
    <message>
        <source>Port de rigctld</source>
        <translation>rigctld port</translation>
    </message>
    <message>
        <source>&amp;Tester</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Réponse du poste :</source>
        <translation>Radio answer:</translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>aucun port série choisi</source>
        <translation>no serial port chosen</translation>
    </message>
    <message>
        <source>Lecture du poste radio…</source>
        <translation>Reading the radio…</translation>
    </message>
    <message>
        <source>Choisissez le port série du poste radio.</source>
        <translation>Choose the radio&apos;s serial port.</translation>
    </message>
    <message>
        <source>Indiquez l&apos;hôte de rigctld (localhost sur cet ordinateur).</source>
        <translation>Give the rigctld host (localhost on this computer).</translation>
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
        <translation>%1 does not answer (connection refused).</translation>
    </message>
    <message>
        <source>Le serveur de %1 est introuvable : vérifiez la connexion à Internet.</source>
        <translation>The %1 server cannot be found: check the Internet connection.</translation>
    </message>
    <message>
        <source>%1 a coupé la connexion avant la fin de sa réponse : rien n&apos;est enregistré.</source>
        <translation>%1 cut the connection before the end of its answer: nothing was saved.</translation>
    </message>
    <message>
        <source>La connexion sécurisée avec %1 a échoué (certificat refusé).</source>
        <translation>The secure connection with %1 failed (certificate refused).</translation>
    </message>
    <message>
        <source>%1 a refusé l&apos;identifiant ou le mot de passe</source>
        <translation>%1 refused the user name or the password</translation>
    </message>
    <message>
        <source>%1 ne connaît pas la page demandée (vérifiez son adresse dans les réglages).</source>
        <translation>%1 does not know the page asked for (check its address in the settings).</translation>
    </message>
    <message>
        <source>Le proxy du système n&apos;a pas permis de joindre %1.</source>
        <translation>The system&apos;s proxy did not allow reaching %1.</translation>
    </message>
    <message>
        <source>Le réseau n&apos;est pas disponible : %1 n&apos;a pas pu être joint.</source>
        <translation>The network is not available: %1 could not be reached.</translation>
    </message>
    <message>
        <source>La connexion avec %1 a échoué (erreur réseau %2).</source>
        <translation>The connection with %1 failed (network error %2).</translation>
    </message>
    <message>
        <source>L&apos;adresse de %1 n&apos;est pas sûre (HTTPS obligatoire hors de cet ordinateur) : rien n&apos;est envoyé.</source>
        <translation>The %1 address is not safe (HTTPS is required outside this computer): nothing is sent.</translation>
    </message>
    <message>
        <source>Téléchargement de %1 annulé : rien n&apos;est enregistré.</source>
        <translation>%1 download cancelled: nothing was saved.</translation>
    </message>
    <message>
        <source>%1 ne répond plus depuis %2 s : téléchargement abandonné, rien n&apos;est enregistré.</source>
        <translation>%1 has not answered for %2 s: download given up, nothing was saved.</translation>
    </message>
    <message>
        <source>%1 renvoie vers un autre serveur ou une adresse non chiffrée : la demande n&apos;y est pas envoyée.</source>
        <translation>%1 redirects to another server or to an unencrypted address: the request is not sent there.</translation>
    </message>
    <message>
        <source>Le serveur de %1 a répondu par une erreur (code HTTP %2) : rien n&apos;est enregistré.</source>
        <translation>The %1 server answered with an error (HTTP code %2): nothing was saved.</translation>
    </message>
    <message>
        <source>La page envoyée par %1 est trop grande pour en être une : abandon.</source>
        <translation>The page sent by %1 is too large to be one: given up.</translation>
    </message>
    <message>
        <source>La réponse de %1 n&apos;a pas pu être enregistrée : %2</source>
        <translation>The %1 answer could not be saved: %2</translation>
    </message>
</context>
<context>
    <name>RigctldClient</name>
    <message>
        <source>rigctld ne répond pas sur %1:%2 (%3)</source>
        <translation>rigctld does not answer on %1:%2 (%3)</translation>
    </message>
    <message>
        <source>valeur refusée par le logbook</source>
        <translation>value refused by the logbook</translation>
    </message>
    <message>
        <source>rigctld n&apos;écoute pas</source>
        <translation>rigctld is not listening</translation>
    </message>
    <message>
        <source>connexion refusée</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>rigctld a fermé la liaison</source>
        <translation>rigctld closed the link</translation>
    </message>
    <message>
        <source>hôte « %1 » inconnu</source>
        <translation>unknown host “%1”</translation>
    </message>
    <message>
        <source>réponse incomprise du poste radio</source>
        <translation>answer from the radio not understood</translation>
    </message>
</context>
<context>
    <name>RigctldProcess</name>
    <message>
        <source>aucun port libre sur cet ordinateur pour rigctld</source>
        <translation>no free port on this computer for rigctld</translation>
    </message>
    <message>
        <source>rigctld est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils</source>
        <translation>rigctld cannot be found: the radio (CAT) needs the libhamlib-utils package</translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté</source>
        <translation>rigctld stopped</translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté : %1</source>
        <translation>rigctld stopped: %1</translation>
    </message>
</context>
<context>
    <name>RigctldReader</name>
    <message>
        <source>paramètre refusé</source>
        <translation>parameter refused</translation>
    </message>
    <message>
        <source>réglage de la liaison incorrect (port, hôte ou vitesse)</source>
        <translation>wrong link setting (port, host or speed)</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>ce modèle ne sait pas donner cette valeur</source>
        <translation>this model cannot give this value</translation>
    </message>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation>the radio does not answer (timed out)</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie : port absent ou câble débranché</source>
        <translation>input-output error: port missing or cable unplugged</translation>
    </message>
    <message>
        <source>erreur interne de Hamlib</source>
        <translation>Hamlib internal error</translation>
    </message>
    <message>
        <source>réponse incomprise (modèle ou vitesse incorrects ?)</source>
        <translation>answer not understood (wrong model or speed?)</translation>
    </message>
    <message>
        <source>commande refusée par le poste</source>
        <translation>command refused by the radio</translation>
    </message>
    <message>
        <source>erreur sur la liaison</source>
        <translation>link error</translation>
    </message>
    <message>
        <source>le poste est éteint</source>
        <translation>the radio is switched off</translation>
    </message>
    <message>
        <source>erreur %1 de Hamlib</source>
        <translation>Hamlib error %1</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>LoTW a refusé l&apos;identifiant ou le mot de passe</source>
        <translation>LoTW refused the user name or the password</translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : rien n&apos;est enregistré.</source>
        <translation>LoTW sent no report: nothing was saved.</translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : %1</source>
        <translation>LoTW sent no report: %1</translation>
    </message>
    <message>
        <source>Le rapport de LoTW est arrivé incomplet (%1 confirmations reçues avant la coupure) : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation>The LoTW report arrived incomplete (%1 confirmations received before the cut): nothing was saved. Try again later.</translation>
    </message>
    <message>
        <source>eQSL a refusé l&apos;identifiant ou le mot de passe</source>
        <translation>eQSL refused the user name or the password</translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations.</source>
        <translation>eQSL named no file of confirmations.</translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations : %1</source>
        <translation>eQSL named no file of confirmations: %1</translation>
    </message>
    <message>
        <source>eQSL a indiqué un fichier sur un autre serveur : il n&apos;est pas téléchargé.</source>
        <translation>eQSL named a file on another server: it is not downloaded.</translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas envoyé de fichier ADIF : rien n&apos;est enregistré.</source>
        <translation>eQSL sent no ADIF file: nothing was saved.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;eQSL est arrivé incomplet : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation>The eQSL file arrived incomplete: nothing was saved. Try again later.</translation>
    </message>
</context>
<context>
    <name>SpotDesk</name>
    <message>
        <source>Le poste radio n&apos;a pas pu être réglé sur %1 : %2</source>
        <translation>The radio could not be tuned to %1: %2</translation>
    </message>
    <message>
        <source>Poste radio réglé sur %1</source>
        <translation>Radio tuned to %1</translation>
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
        <translation>Band</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Abbaye</source>
        <translation>Abbey</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Annoncé par</source>
        <translation>Spotted by</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Statut</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 (hors liste)</source>
        <translation>%1 (off the list)</translation>
    </message>
    <message>
        <source>hors liste</source>
        <translation>off the list</translation>
    </message>
    <message>
        <source>hors bandes</source>
        <translation>off the bands</translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9</source>
        <translation>%1: %2 on %3 kHz (%4), %5, %6 %7, spotted by %8 at %9</translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9 : « %10 »</source>
        <translation>%1: %2 on %3 kHz (%4), %5, %6 %7, spotted by %8 at %9: “%10”</translation>
    </message>
</context>
<context>
    <name>SpotStanding</name>
    <message>
        <source>Nouvelle abbaye, Nouvelle région</source>
        <translation>New abbey, New region</translation>
    </message>
    <message>
        <source>Nouvelle abbaye</source>
        <translation>New abbey</translation>
    </message>
    <message>
        <source>Contactée</source>
        <translation>Worked</translation>
    </message>
    <message>
        <source>Confirmée</source>
        <translation>Confirmed</translation>
    </message>
    <message>
        <source>Inconnu (log illisible)</source>
        <translation>Unknown (log unreadable)</translation>
    </message>
</context>
<context>
    <name>SpotWindow</name>
    <message>
        <source>Abbayes sur l&apos;air</source>
        <translation>Abbeys on the air</translation>
    </message>
    <message>
        <source>Nœud du cluster (nom ou adresse)</source>
        <translation>Cluster node (name or address)</translation>
    </message>
    <message>
        <source>nom ou adresse du nœud</source>
        <translation>node&apos;s name or address</translation>
    </message>
    <message>
        <source>Port du nœud</source>
        <translation>Node port</translation>
    </message>
    <message>
        <source>Indicatif de connexion au cluster</source>
        <translation>Callsign to log in to the cluster</translation>
    </message>
    <message>
        <source>Se &amp;connecter</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>Se connecter au nœud ; pendant l&apos;attente d&apos;un nouvel essai, essayer maintenant</source>
        <translation>Connect to the node; while waiting to try again, try now</translation>
    </message>
    <message>
        <source>Se déc&amp;onnecter</source>
        <translation>Disc&amp;onnect</translation>
    </message>
    <message>
        <source>Réglages du cluster</source>
        <translation>Cluster settings</translation>
    </message>
    <message>
        <source>&amp;Nœud :</source>
        <translation>&amp;Node:</translation>
    </message>
    <message>
        <source>&amp;Port :</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Indicatif :</source>
        <translation>Ca&amp;llsign:</translation>
    </message>
    <message>
        <source>État :</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>Seulement les abbayes à con&amp;tacter</source>
        <translation>Only abbeys &amp;to work</translation>
    </message>
    <message>
        <source>&amp;Son à l&apos;annonce d&apos;une abbaye à contacter</source>
        <translation>&amp;Sound when an abbey to work is spotted</translation>
    </message>
    <message>
        <source>Les abbayes à contacter d&apos;abord ; Entrée ou un double clic règle le poste et prépare le QSO</source>
        <translation>Abbeys to work first; Enter or a double click tunes the radio and prepares the QSO</translation>
    </message>
    <message>
        <source>&amp;Annoncer…</source>
        <translation>&amp;Announce…</translation>
    </message>
    <message>
        <source>Envoie une annonce au cluster (commande DX)</source>
        <translation>Sends a spot to the cluster (DX command)</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Clos&amp;e</translation>
    </message>
    <message>
        <source>&amp;Voir les nouveaux spots</source>
        <translation>Show ne&amp;w spots</translation>
    </message>
    <message>
        <source>Fait entrer dans la liste les spots arrivés pendant que vous la regardiez</source>
        <translation>Brings into the list the spots that came while you were looking at it</translation>
    </message>
    <message numerus="yes">
        <source>%n nouveau spot en attente</source>
        <translation>
            <numerusform>%n new spot waiting</numerusform>
            <numerusform>%n new spots waiting</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nouveaux spots en attente</source>
        <translation>
            <numerusform>%n new spot waiting</numerusform>
            <numerusform>%n new spots waiting</numerusform>
        </translation>
    </message>
    <message>
        <source>Indiquez le nœud du cluster (nom ou adresse) avant de vous connecter.</source>
        <translation>Give the cluster node (name or address) before connecting.</translation>
    </message>
    <message>
        <source>Indiquez l&apos;indicatif avec lequel se connecter au cluster.</source>
        <translation>Give the callsign to log in to the cluster with.</translation>
    </message>
    <message numerus="yes">
        <source>%n spot(s) affiché(s) sur %1</source>
        <translation>
            <numerusform>%n spot shown of %1</numerusform>
            <numerusform>%n spots shown of %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Le cluster n&apos;est pas connecté : l&apos;annonce ne peut pas être envoyée.</source>
        <translation>The cluster is not connected: the spot cannot be sent.</translation>
    </message>
    <message>
        <source>Annoncer au cluster</source>
        <translation>Spot to the cluster</translation>
    </message>
    <message>
        <source>&amp;Fréquence (kHz) :</source>
        <translation>&amp;Frequency (kHz):</translation>
    </message>
    <message>
        <source>&amp;Commentaire :</source>
        <translation>Co&amp;mment:</translation>
    </message>
    <message>
        <source>&amp;Envoyer</source>
        <translation>&amp;Send</translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation>C&amp;ancel</translation>
    </message>
    <message>
        <source>L&apos;annonce demande une fréquence en kHz et un indicatif.</source>
        <translation>A spot needs a frequency in kHz and a callsign.</translation>
    </message>
    <message>
        <source>Envoyer cette annonce au cluster ?<byte value="xd"/>
%1</source>
        <translation>Send this spot to the cluster?<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Le cluster n&apos;est plus connecté : l&apos;annonce n&apos;a pas été envoyée.</source>
        <translation>The cluster is no longer connected: the spot was not sent.</translation>
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
        <translation>abbey to work %1 on %2 kHz (%3), %4</translation>
    </message>
</context>
</TS>
