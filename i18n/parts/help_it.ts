<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AdifExport</name>
    <message>
        <source>1 QSO a été exporté sans bande : sa bande n&apos;est pas une bande ADIF reconnue</source>
        <translation>1 QSO è stato esportato senza banda: la sua banda non è una banda ADIF riconosciuta</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO ont été exportés sans bande : leur bande n&apos;est pas une bande ADIF reconnue</source>
        <translation>
            <numerusform>%n QSO è stato esportato senza banda: la sua banda non è una banda ADIF riconosciuta</numerusform>
            <numerusform>%n QSO sono stati esportati senza banda: la loro banda non è una banda ADIF riconosciuta</numerusform>
        </translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log à exporter.<byte value="xd"/>
Choisissez d&apos;abord votre indicatif dans Station, Nouvel Indicatif.</source>
        <translation>Nessuna stazione è ancora scelta: non c&apos;è alcun log da esportare.<byte value="xd"/>
Scegliete prima il vostro nominativo in Stazione, Nuovo nominativo.</translation>
    </message>
    <message>
        <source>Le log %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le fichier %3 n&apos;a pas été enregistré.</source>
        <translation>Non è stato possibile leggere il log %1:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Il file %3 non è stato salvato.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation>Non è stato possibile salvare il file %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Le fichier a été enregistré sous le nom : %1</source>
        <translation>Il file è stato salvato con il nome: %1</translation>
    </message>
</context>
<context>
    <name>ExportWindows</name>
    <message>
        <source>Exportation du log au format ADIF en cours…</source>
        <translation>Esportazione del log in formato ADIF in corso…</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Règlement</source>
        <translation>Regolamento</translation>
    </message>
    <message>
        <source>Mode d&apos;emploi</source>
        <translation>Istruzioni per l&apos;uso</translation>
    </message>
</context>
<context>
    <name>ListingPrinter</name>
    <message>
        <source>L&apos;impression n&apos;a pas pu commencer.</source>
        <translation>Non è stato possibile avviare la stampa.</translation>
    </message>
    <message>
        <source>L&apos;impression s&apos;est arrêtée à la page %1.</source>
        <translation>La stampa si è interrotta alla pagina %1.</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation>Non è stato possibile completare la stampa.</translation>
    </message>
</context>
<context>
    <name>PrintListing</name>
    <message>
        <source>Impression en cours...</source>
        <translation>Stampa in corso...</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Impression</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Progression de l&apos;impression</source>
        <translation>Avanzamento della stampa</translation>
    </message>
    <message>
        <source>Impression en cours : page %1 / %2</source>
        <translation>Stampa in corso: pagina %1 / %2</translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas imprimée :<byte value="xd"/>
%2</source>
        <translation>Non è possibile leggere il log %1, l&apos;elenco non viene stampato:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>QsoSearch</name>
    <message>
        <source>Attention 12 caracteres maxi pour l&apos;indicatif</source>
        <translation>Attenzione: al massimo 12 caratteri per il nominativo</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <translation>Inserite un nominativo</translation>
    </message>
    <message>
        <source>Attention le format date doit etre JJ/MM/AA</source>
        <translation>Attenzione: la data deve essere nel formato GG/MM/AA</translation>
    </message>
    <message>
        <source>Attention 8 caracteres maxi pour la date (format jj/mm/aa)</source>
        <translation>Attenzione: al massimo 8 caratteri per la data (formato gg/mm/aa)</translation>
    </message>
    <message>
        <source>Attention 6 caracteres pour la reference</source>
        <translation>Attenzione: la referenza ha 6 caratteri</translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <translation>Inserite una data</translation>
    </message>
    <message>
        <source>Entrez un departement</source>
        <translation>Inserite una referenza</translation>
    </message>
    <message>
        <source>Pas de QSO trouvé</source>
        <translation>Nessun QSO trovato</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>N°</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>N° ZEL</source>
        <translation>N. ZEL</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité</source>
        <translation>Nome dell&apos;abbazia</translation>
    </message>
    <message>
        <source>Recherche QSO</source>
        <translation>Ricerca QSO</translation>
    </message>
    <message>
        <source>Rechercher un QSO par ...</source>
        <translation>Cerca un QSO per ...</translation>
    </message>
    <message>
        <source>&amp;Indicatif</source>
        <translation>&amp;Nominativo</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referenza</translation>
    </message>
    <message>
        <source>Indicatif recherché</source>
        <translation>Nominativo cercato</translation>
    </message>
    <message>
        <source>Date recherchée (JJ/MM/AA)</source>
        <translation>Data cercata (GG/MM/AA)</translation>
    </message>
    <message>
        <source>Référence recherchée</source>
        <translation>Referenza cercata</translation>
    </message>
    <message>
        <source>JJ/MM/AA</source>
        <translation>GG/MM/AA</translation>
    </message>
    <message>
        <source>QSO trouvés</source>
        <translation>QSO trovati</translation>
    </message>
    <message>
        <source>Cliquez sur le QSO pour le selectionner</source>
        <translation>Cliccate sul QSO per selezionarlo</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>StationService</name>
    <message>
        <source>Vous devez entrer un indicatif</source>
        <translation>Dovete inserire un nominativo</translation>
    </message>
    <message>
        <source>12 caracteres maximum pour l&apos;indicatif</source>
        <translation>Al massimo 12 caratteri per il nominativo</translation>
    </message>
    <message>
        <source>L&apos;indicatif ne doit comporter que des lettres des chiffres ou le signe &apos;_&apos; </source>
        <translation>Il nominativo deve contenere solo lettere, cifre o il segno &apos;_&apos;</translation>
    </message>
    <message>
        <source>Impossible de créer le journal %1 :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La station courante reste inchangée.</source>
        <translation>Impossibile creare il log %1:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La stazione corrente resta invariata.</translation>
    </message>
    <message>
        <source>L&apos;indicatif %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La station courante reste inchangée.</source>
        <translation>Non è stato possibile salvare il nominativo %1:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La stazione corrente resta invariata.</translation>
    </message>
    <message>
        <source>Le caractère %1 ne peut pas figurer dans un indicatif : le journal et les réglages sont en Windows-1252, qui ne connaît pas ce caractère.</source>
        <translation>Il carattere %1 non può comparire in un nominativo: il log e le impostazioni sono in Windows-1252, che non conosce questo carattere.</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Selection Indicaif</source>
        <translation>Scelta del nominativo</translation>
    </message>
    <message>
        <source>Indicatif de la Station</source>
        <translation>Nominativo della stazione</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>!!! Pour la saisie la &apos;/&apos; est remplacée par le &apos;_&apos;</source>
        <translation>!!! Durante la digitazione la &apos;/&apos; è sostituita da &apos;_&apos;</translation>
    </message>
    <message>
        <source>&amp;Validez</source>
        <translation>&amp;Conferma</translation>
    </message>
</context>
</TS>
