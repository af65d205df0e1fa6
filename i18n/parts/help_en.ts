<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AdifExport</name>
    <message>
        <source>1 QSO a été exporté sans bande : sa bande n&apos;est pas une bande ADIF reconnue</source>
        <translation>1 QSO was exported without a band: its band is not a recognised ADIF band</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO ont été exportés sans bande : leur bande n&apos;est pas une bande ADIF reconnue</source>
        <translation>
            <numerusform>%n QSO was exported without a band: its band is not a recognised ADIF band</numerusform>
            <numerusform>%n QSOs were exported without a band: their band is not a recognised ADIF band</numerusform>
        </translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log à exporter.<byte value="xd"/>
Choisissez d&apos;abord votre indicatif dans Station, Nouvel Indicatif.</source>
        <translation>No station has been chosen yet: there is no log to export.<byte value="xd"/>
First choose your callsign in Station, New callsign.</translation>
    </message>
    <message>
        <source>Le log %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le fichier %3 n&apos;a pas été enregistré.</source>
        <translation>The log %1 could not be read:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file %3 was not saved.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation>The file %1 could not be saved:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Le fichier a été enregistré sous le nom : %1</source>
        <translation>The file was saved as: %1</translation>
    </message>
</context>
<context>
    <name>ExportWindows</name>
    <message>
        <source>Exportation du log au format ADIF en cours…</source>
        <translation>Exporting the log as ADIF…</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Règlement</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Mode d&apos;emploi</source>
        <translation>User guide</translation>
    </message>
</context>
<context>
    <name>ListingPrinter</name>
    <message>
        <source>L&apos;impression n&apos;a pas pu commencer.</source>
        <translation>Printing could not start.</translation>
    </message>
    <message>
        <source>L&apos;impression s&apos;est arrêtée à la page %1.</source>
        <translation>Printing stopped at page %1.</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation>Printing could not be completed.</translation>
    </message>
</context>
<context>
    <name>PrintListing</name>
    <message>
        <source>Impression en cours...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Impression</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Progression de l&apos;impression</source>
        <translation>Printing progress</translation>
    </message>
    <message>
        <source>Impression en cours : page %1 / %2</source>
        <translation>Printing: page %1 / %2</translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas imprimée :<byte value="xd"/>
%2</source>
        <translation>The log %1 cannot be read, the list is not printed:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>QsoSearch</name>
    <message>
        <source>Attention 12 caracteres maxi pour l&apos;indicatif</source>
        <translation>Note: 12 characters at most for the callsign</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <translation>Enter a callsign</translation>
    </message>
    <message>
        <source>Attention le format date doit etre JJ/MM/AA</source>
        <translation>Note: the date must be in DD/MM/YY form</translation>
    </message>
    <message>
        <source>Attention 8 caracteres maxi pour la date (format jj/mm/aa)</source>
        <translation>Note: 8 characters at most for the date (dd/mm/yy form)</translation>
    </message>
    <message>
        <source>Attention 6 caracteres pour la reference</source>
        <translation>Note: the reference has 6 characters</translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <translation>Enter a date</translation>
    </message>
    <message>
        <source>Entrez un departement</source>
        <translation>Enter a reference</translation>
    </message>
    <message>
        <source>Pas de QSO trouvé</source>
        <translation>No QSO found</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>N° ZEL</source>
        <translation>ZEL ref</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité</source>
        <translation>Abbey name</translation>
    </message>
    <message>
        <source>Recherche QSO</source>
        <translation>QSO search</translation>
    </message>
    <message>
        <source>Rechercher un QSO par ...</source>
        <translation>Find a QSO by ...</translation>
    </message>
    <message>
        <source>&amp;Indicatif</source>
        <translation>&amp;Callsign</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Reference</translation>
    </message>
    <message>
        <source>Indicatif recherché</source>
        <translation>Callsign searched for</translation>
    </message>
    <message>
        <source>Date recherchée (JJ/MM/AA)</source>
        <translation>Date searched for (DD/MM/YY)</translation>
    </message>
    <message>
        <source>Référence recherchée</source>
        <translation>Reference searched for</translation>
    </message>
    <message>
        <source>JJ/MM/AA</source>
        <translation>DD/MM/YY</translation>
    </message>
    <message>
        <source>QSO trouvés</source>
        <translation>QSOs found</translation>
    </message>
    <message>
        <source>Cliquez sur le QSO pour le selectionner</source>
        <translation>Click the QSO to select it</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>StationService</name>
    <message>
        <source>Vous devez entrer un indicatif</source>
        <translation>You must enter a callsign</translation>
    </message>
    <message>
        <source>12 caracteres maximum pour l&apos;indicatif</source>
        <translation>12 characters at most for the callsign</translation>
    </message>
    <message>
        <source>L&apos;indicatif ne doit comporter que des lettres des chiffres ou le signe &apos;_&apos; </source>
        <translation>The callsign may only hold letters, digits or the &apos;_&apos; sign</translation>
    </message>
    <message>
        <source>Impossible de créer le journal %1 :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La station courante reste inchangée.</source>
        <translation>The log %1 could not be created:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The current station stays as it was.</translation>
    </message>
    <message>
        <source>L&apos;indicatif %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La station courante reste inchangée.</source>
        <translation>The callsign %1 could not be saved:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The current station stays as it was.</translation>
    </message>
    <message>
        <source>Le caractère %1 ne peut pas figurer dans un indicatif : le journal et les réglages sont en Windows-1252, qui ne connaît pas ce caractère.</source>
        <translation>The character %1 cannot be part of a callsign: the log and the settings are in Windows-1252, which does not know this character.</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Selection Indicaif</source>
        <translation>Callsign selection</translation>
    </message>
    <message>
        <source>Indicatif de la Station</source>
        <translation>Station callsign</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>!!! Pour la saisie la &apos;/&apos; est remplacée par le &apos;_&apos;</source>
        <translation>!!! When typing, &apos;/&apos; is replaced by &apos;_&apos;</translation>
    </message>
    <message>
        <source>&amp;Validez</source>
        <translation>&amp;Confirm</translation>
    </message>
</context>
</TS>
