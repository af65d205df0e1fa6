<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ClusterConnection</name>
    <message>
        <source>Non connecté</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connexion à %1:%2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecté à %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le nœud a fermé la connexion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connexion perdue : %1. Nouvel essai dans %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connexion impossible : %1. Nouvel essai dans %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmController</name>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où marquer les confirmations.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmFetch</name>
    <message>
        <source>Aucune nouvelle confirmation sur %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 confirmations reçues, enregistrées dans %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement du rapport de LoTW…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demande de la boîte de réception d&apos;eQSL…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement de eQSL annulé : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement du fichier d&apos;eQSL…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmWindow</name>
    <message>
        <source>Confirmations en ligne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les confirmations reçues sur LoTW et sur eQSL sont téléchargées, enregistrées à côté du log, puis montrées avant d&apos;être marquées.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement en cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prêt : rien n&apos;est envoyé avant « Télécharger ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Télécharger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les mots de passe ne sont jamais écrits dans un fichier : ils vont dans le trousseau du bureau quand « Mémoriser le mot de passe » est coché.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utiliser &amp;LoTW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utiliser e&amp;QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Utilisateur :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisateu&amp;r :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisateur %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT&amp;H (facultatif) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surnom de QTH %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le surnom du QTH, pour un compte eQSL qui en a plusieurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mot de passe :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mot de &amp;passe :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mot de passe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mémori&amp;ser le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mém&amp;oriser le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mémoriser le mot de passe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Depuis le :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depu&amp;is le :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depuis le %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JJ/MM/AAAA, vide : tout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les confirmations reçues depuis ce jour ; vide : toutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Par défaut, l&apos;indicatif de base de la station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun trousseau ne répond (%1) : le mot de passe est demandé à chaque téléchargement et n&apos;est gardé nulle part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun trousseau de bureau</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octets</source>
        <translation>
            <numerusform>Reçu : %1 octet</numerusform>
            <numerusform>Reçu : %1 octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octet</source>
        <translation>
            <numerusform>Reçu : %1 octet</numerusform>
            <numerusform>Reçu : %1 octets</numerusform>
        </translation>
    </message>
    <message>
        <source>en cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arrêté</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : la date « Depuis le » se lit JJ/MM/AAAA (vide : tout).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : l&apos;utilisateur et le mot de passe sont nécessaires.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cochez « Utiliser » pour LoTW, pour eQSL ou pour les deux.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le mot de passe de %1 n&apos;a pas pu être mémorisé (%2) : il sera demandé au prochain téléchargement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement annulé : rien n&apos;est enregistré ni marqué.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La date « Depuis le » n&apos;a pas pu être enregistrée : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyringPlugin</name>
    <message>
        <source>le trousseau du bureau ne répond pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le trousseau du bureau est verrouillé ou son accès a été refusé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun trousseau de bureau n&apos;est disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le trousseau du bureau a refusé la demande</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordKeyring</name>
    <message>
        <source>le module du trousseau n&apos;a pas pu être chargé (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le module du trousseau n&apos;est pas celui de cette version du programme</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioLink</name>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fréquence incomprise : « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode incompris : « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioModels</name>
    <message>
        <source>rigctl est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils (sudo apt install libhamlib-utils). Seul le poste factice de Hamlib est proposé.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioPoller</name>
    <message>
        <source>le poste radio n&apos;est pas utilisé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connexion au poste radio…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioReading</name>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise ; mode non repris)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (mode non repris)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poste radio non joignable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poste radio non joignable : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioWindow</name>
    <message>
        <source>Poste radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Utiliser le poste radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utiliser le poste radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modèle du poste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marque ou modèle, par exemple FT-991</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture de la liste des modèles de Hamlib…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filtre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtre des modèles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo&amp;dèle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port &amp;série</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port série</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Réseau (rigctld)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réseau (rigctld)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port série du poste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vit&amp;esse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse en bauds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hôte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hôte de rigctld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Numéro de port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port de rigctld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tester</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réponse du poste :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun port série choisi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture du poste radio…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisissez le port série du poste radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indiquez l&apos;hôte de rigctld (localhost sur cet ordinateur).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioWindows</name>
    <message>
        <source>CAT :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDownload</name>
    <message>
        <source>%1 ne répond pas (connexion refusée).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le serveur de %1 est introuvable : vérifiez la connexion à Internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a coupé la connexion avant la fin de sa réponse : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La connexion sécurisée avec %1 a échoué (certificat refusé).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a refusé l&apos;identifiant ou le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ne connaît pas la page demandée (vérifiez son adresse dans les réglages).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le proxy du système n&apos;a pas permis de joindre %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le réseau n&apos;est pas disponible : %1 n&apos;a pas pu être joint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La connexion avec %1 a échoué (erreur réseau %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;adresse de %1 n&apos;est pas sûre (HTTPS obligatoire hors de cet ordinateur) : rien n&apos;est envoyé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement de %1 annulé : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ne répond plus depuis %2 s : téléchargement abandonné, rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 renvoie vers un autre serveur ou une adresse non chiffrée : la demande n&apos;y est pas envoyée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le serveur de %1 a répondu par une erreur (code HTTP %2) : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La page envoyée par %1 est trop grande pour en être une : abandon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La réponse de %1 n&apos;a pas pu être enregistrée : %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RigctldClient</name>
    <message>
        <source>rigctld ne répond pas sur %1:%2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valeur refusée par le logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld n&apos;écoute pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connexion refusée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld a fermé la liaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hôte « %1 » inconnu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réponse incomprise du poste radio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RigctldProcess</name>
    <message>
        <source>aucun port libre sur cet ordinateur pour rigctld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RigctldReader</name>
    <message>
        <source>paramètre refusé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réglage de la liaison incorrect (port, hôte ou vitesse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ce modèle ne sait pas donner cette valeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie : port absent ou câble débranché</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur interne de Hamlib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réponse incomprise (modèle ou vitesse incorrects ?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commande refusée par le poste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur sur la liaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le poste est éteint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur %1 de Hamlib</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>LoTW a refusé l&apos;identifiant ou le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le rapport de LoTW est arrivé incomplet (%1 confirmations reçues avant la coupure) : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL a refusé l&apos;identifiant ou le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL a indiqué un fichier sur un autre serveur : il n&apos;est pas téléchargé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas envoyé de fichier ADIF : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier d&apos;eQSL est arrivé incomplet : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotDesk</name>
    <message>
        <source>Le poste radio n&apos;a pas pu être réglé sur %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poste radio réglé sur %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotModel</name>
    <message>
        <source>UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Référence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Région</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annoncé par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (hors liste)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hors liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hors bandes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9 : « %10 »</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotStanding</name>
    <message>
        <source>Nouvelle abbaye, Nouvelle région</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouvelle abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contactée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inconnu (log illisible)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotWindow</name>
    <message>
        <source>Abbayes sur l&apos;air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nœud du cluster (nom ou adresse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom ou adresse du nœud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port du nœud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif de connexion au cluster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se &amp;connecter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se connecter au nœud ; pendant l&apos;attente d&apos;un nouvel essai, essayer maintenant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se déc&amp;onnecter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réglages du cluster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nœud :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indicatif :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>État :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seulement les abbayes à con&amp;tacter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Son à l&apos;annonce d&apos;une abbaye à contacter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les abbayes à contacter d&apos;abord ; Entrée ou un double clic règle le poste et prépare le QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annoncer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoie une annonce au cluster (commande DX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voir les nouveaux spots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fait entrer dans la liste les spots arrivés pendant que vous la regardiez</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n nouveau spot en attente</source>
        <translation>
            <numerusform>%n nouveau spot en attente</numerusform>
            <numerusform>%n nouveaux spots en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nouveaux spots en attente</source>
        <translation>
            <numerusform>%n nouveau spot en attente</numerusform>
            <numerusform>%n nouveaux spots en attente</numerusform>
        </translation>
    </message>
    <message>
        <source>Indiquez le nœud du cluster (nom ou adresse) avant de vous connecter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indiquez l&apos;indicatif avec lequel se connecter au cluster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n spot(s) affiché(s) sur %1</source>
        <translation>
            <numerusform>%n spot(s) affiché(s) sur %1</numerusform>
            <numerusform>%n spot(s) affiché(s) sur %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Le cluster n&apos;est pas connecté : l&apos;annonce ne peut pas être envoyée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annoncer au cluster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fréquence (kHz) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Commentaire :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Envoyer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;annonce demande une fréquence en kHz et un indicatif.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoyer cette annonce au cluster ?<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cluster n&apos;est plus connecté : l&apos;annonce n&apos;a pas été envoyée.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotWindows</name>
    <message>
        <source>Cluster :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abbaye à contacter %1 sur %2 kHz (%3), %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
