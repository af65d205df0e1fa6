<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="fr_FR">
<context>
    <name>AbbeyList</name>
    <message>
        <source>ATTENTION la liste des abbayes %1 ne peut pas être lue :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La référence n&apos;a pas pu être vérifiée ; entrez vous-même le locator et le nom de l&apos;abbaye.</source>
        <translation>ATTENZIONE: la lista delle abbazie %1 non può essere letta:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La referenza non è stata verificata; inserite voi stessi il locatore e il nome dell&apos;abbazia.</translation>
    </message>
    <message>
        <source>ATTENTION la liste des abbayes %1 est introuvable dans le dossier %2 : la référence n&apos;a pas pu être vérifiée.<byte value="xd"/>
<byte value="xd"/>
La liste sera recréée au prochain démarrage de KVR_ZEL. En attendant, entrez vous-même le locator et le nom de l&apos;abbaye.</source>
        <translation>ATTENZIONE: la lista delle abbazie %1 non si trova nella cartella %2: la referenza non è stata verificata.<byte value="xd"/>
<byte value="xd"/>
La lista sarà ricreata al prossimo avvio di KVR_ZEL. Nel frattempo inserite voi stessi il locatore e il nome dell&apos;abbazia.</translation>
    </message>
    <message>
        <source>ATTENTION cette Abbaye n&apos;est pas referencée</source>
        <translation>ATTENZIONE: questa abbazia non è in lista</translation>
    </message>
</context>
<context>
    <name>AbbeyListController</name>
    <message>
        <source>Nouvelle liste des abbayes</source>
        <translation>Nuova lista delle abbazie</translation>
    </message>
    <message>
        <source>Listes des abbayes (*.txt);;Tous les fichiers (*)</source>
        <translation>Liste delle abbazie (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de liste précédente (%1) : la liste des abbayes n&apos;a jamais été remplacée depuis ce dossier.</source>
        <translation>Non c&apos;è una lista precedente (%1): la lista delle abbazie non è mai stata sostituita da questa cartella.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2</source>
        <translation>Il file %1 non è stato letto:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>il n&apos;existe pas.</source>
        <translation>non esiste.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas une liste des abbayes : %2<byte value="xd"/>
<byte value="xd"/>
La liste en service n&apos;a pas été modifiée.</source>
        <translation>Il file %1 non è una lista delle abbazie: %2<byte value="xd"/>
<byte value="xd"/>
La lista in uso non è stata modificata.</translation>
    </message>
    <message>
        <source>La liste des abbayes en service %1 ne peut pas être lue :<byte value="xd"/>
%2</source>
        <translation>La lista delle abbazie in uso %1 non può essere letta:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>AbbeyListFile</name>
    <message>
        <source>caractère hors Windows-1252 (octet 0x%1)</source>
        <translation>carattere fuori da Windows-1252 (byte 0x%1)</translation>
    </message>
    <message>
        <source>caractère de contrôle (%1)</source>
        <translation>carattere di controllo (%1)</translation>
    </message>
    <message>
        <source>caractère hors Windows-1252 %1</source>
        <translation>carattere fuori da Windows-1252 %1</translation>
    </message>
    <message>
        <source>pas de référence de 6 lettres ou chiffres en colonnes 1 à 6</source>
        <translation>nessuna referenza di 6 lettere o cifre nelle colonne da 1 a 6</translation>
    </message>
    <message>
        <source>référence de plus de 6 caractères (colonne 7 non vide)</source>
        <translation>referenza di più di 6 caratteri (colonna 7 non vuota)</translation>
    </message>
    <message>
        <source>ses lignes sont des QSO d&apos;un log, pas des abbayes.</source>
        <translation>le sue righe sono QSO di un log, non abbazie.</translation>
    </message>
    <message>
        <source>le fichier est vide.</source>
        <translation>il file è vuoto.</translation>
    </message>
    <message>
        <source>aucune de ses %1 lignes n&apos;est une ligne d&apos;abbaye (référence en colonnes 1 à 6, nom en colonnes 8 à 67, locator en colonnes 69 à 72).</source>
        <translation>nessuna delle sue %1 righe è una riga di abbazia (referenza nelle colonne da 1 a 6, nome nelle colonne da 8 a 67, locatore nelle colonne da 69 a 72).</translation>
    </message>
    <message>
        <source>%1 de ses %2 lignes sont illisibles ; seules %3 sont des lignes d&apos;abbaye.</source>
        <translation>%1 delle sue %2 righe sono illeggibili; solo %3 sono righe di abbazia.</translation>
    </message>
</context>
<context>
    <name>AbbeyListSwap</name>
    <message>
        <source>La liste des abbayes n&apos;a pas été remplacée :<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Aucun fichier n&apos;a été modifié.</source>
        <translation>La lista delle abbazie non è stata sostituita:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Nessun file è stato modificato.</translation>
    </message>
    <message>
        <source>%1 est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>%1 è in corso di modifica da un&apos;altra copia di KVR_ZEL.</translation>
    </message>
    <message>
        <source>%1 est protégé en écriture (%2).</source>
        <translation>%1 è protetto in scrittura (%2).</translation>
    </message>
    <message>
        <source>le disque est plein (%1 octets libres, %2 nécessaires).</source>
        <translation>il disco è pieno (%1 byte liberi, %2 necessari).</translation>
    </message>
    <message>
        <source>le disque est plein (un fichier ne peut pas dépasser ici %1 octets, il en faut %2).</source>
        <translation>il disco è pieno (qui un file non può superare %1 byte, ne servono %2).</translation>
    </message>
    <message>
        <source>Le fichier %1, laissé par une mise à jour de la liste des abbayes, est illisible : rien n&apos;en a été repris.<byte value="xd"/>
Supprimez-le pour pouvoir de nouveau mettre la liste à jour.</source>
        <translation>Il file %1, lasciato da un aggiornamento della lista delle abbazie, è illeggibile: non ne è stato ripreso nulla.<byte value="xd"/>
Cancellatelo per poter di nuovo aggiornare la lista.</translation>
    </message>
    <message>
        <source>Une mise à jour de la liste des abbayes avait été interrompue avant de remplacer un fichier : la liste %1, la liste précédente et le log sont restés tels qu&apos;ils étaient.</source>
        <translation>Un aggiornamento della lista delle abbazie era stato interrotto prima di sostituire un file: la lista %1, la lista precedente e il log sono rimasti com&apos;erano.</translation>
    </message>
    <message>
        <source>Une mise à jour de la liste des abbayes interrompue n&apos;a pas encore pu être terminée : %1<byte value="xd"/>
Elle le sera au prochain démarrage.</source>
        <translation>Un aggiornamento interrotto della lista delle abbazie non è ancora stato completato: %1<byte value="xd"/>
Lo sarà al prossimo avvio.</translation>
    </message>
    <message>
        <source>le journal %1</source>
        <translation>il log %1</translation>
    </message>
    <message>
        <source>Une mise à jour de la liste des abbayes avait été interrompue : elle a été terminée.</source>
        <translation>Un aggiornamento della lista delle abbazie era stato interrotto: è stato completato.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La liste %1, modifiée entre-temps par un autre programme, n&apos;a pas été remplacée.</source>
        <translation><byte value="xd"/>
La lista %1, modificata nel frattempo da un altro programma, non è stata sostituita.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La nouvelle liste %1 est en service ; l&apos;ancienne est gardée sous le nom %2.</source>
        <translation><byte value="xd"/>
La nuova lista %1 è in uso; la vecchia è conservata con il nome %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La nouvelle liste %1 est en service.</source>
        <translation><byte value="xd"/>
La nuova lista %1 è in uso.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Les noms d&apos;abbaye du log %1 ont été mis à jour.</source>
        <translation><byte value="xd"/>
I nomi delle abbazie del log %1 sono stati aggiornati.</translation>
    </message>
    <message>
        <source>la liste %1</source>
        <translation>la lista %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ses noms d&apos;abbaye ne pourraient pas être mis à jour.</source>
        <translation><byte value="xd"/>
I suoi nomi delle abbazie non potrebbero essere aggiornati.</translation>
    </message>
    <message>
        <source>la liste a été modifiée sur le disque depuis la comparaison (par un autre programme ou une autre copie de KVR_ZEL).<byte value="xd"/>
La comparaison est refaite : vérifiez-la, puis remplacez de nouveau.</source>
        <translation>la lista è stata modificata sul disco dopo il confronto (da un altro programma o da un&apos;altra copia di KVR_ZEL).<byte value="xd"/>
Il confronto viene rifatto: controllatelo, poi sostituite di nuovo.</translation>
    </message>
    <message>
        <source>La nouvelle liste est identique à la liste en service %1 : rien n&apos;a été remplacé (%2 est gardée telle quelle).</source>
        <translation>La nuova lista è identica alla lista in uso %1: non è stato sostituito nulla (%2 è conservata così com&apos;è).</translation>
    </message>
    <message>
        <source>le journal %1 ne peut pas être lu : %2</source>
        <translation>il log %1 non può essere letto: %2</translation>
    </message>
    <message>
        <source>il n&apos;existe plus.</source>
        <translation>non esiste più.</translation>
    </message>
    <message>
        <source>un QSO dont le nom d&apos;abbaye devait suivre la correction a été modifié entre-temps dans le journal %1.<byte value="xd"/>
La comparaison est refaite : vérifiez-la, puis remplacez de nouveau.</source>
        <translation>un QSO il cui nome di abbazia doveva seguire la correzione è stato modificato nel frattempo nel log %1.<byte value="xd"/>
Il confronto viene rifatto: controllatelo, poi sostituite di nuovo.</translation>
    </message>
    <message>
        <source>le dossier de la liste</source>
        <translation>la cartella della lista</translation>
    </message>
    <message>
        <source>impossible d&apos;enregistrer %1 : %2</source>
        <translation>impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Le remplacement de la liste des abbayes %1 n&apos;a pas pu être achevé : %2<byte value="xd"/>
Il sera terminé au prochain démarrage de KVR_ZEL (ou à la prochaine mise à jour).</source>
        <translation>La sostituzione della lista delle abbazie %1 non è stata completata: %2<byte value="xd"/>
Sarà completata al prossimo avvio di KVR_ZEL (o al prossimo aggiornamento).</translation>
    </message>
    <message>
        <source>La liste précédente est de nouveau en service sous le nom %1 ; celle qu&apos;elle remplace est gardée sous le nom %2.</source>
        <translation>La lista precedente è di nuovo in uso con il nome %1; quella che sostituisce è conservata con il nome %2.</translation>
    </message>
    <message>
        <source>La liste des abbayes %1 a été remplacée ; l&apos;ancienne est gardée sous le nom %2.</source>
        <translation>La lista delle abbazie %1 è stata sostituita; la vecchia è conservata con il nome %2.</translation>
    </message>
    <message>
        <source>La liste des abbayes %1 a été enregistrée.</source>
        <translation>La lista delle abbazie %1 è stata salvata.</translation>
    </message>
    <message numerus="yes">
        <source><byte value="xd"/>
Le nom d&apos;abbaye de %n QSO du log a été mis à jour.</source>
        <translation>
            <numerusform><byte value="xd"/>
Il nome di abbazia di %n QSO del log è stato aggiornato.</numerusform>
            <numerusform><byte value="xd"/>
Il nome di abbazia di %n QSO del log è stato aggiornato.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AbbeyListWindow</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>(aucun)</source>
        <translation>(nessuno)</translation>
    </message>
    <message numerus="yes">
        <source>%n abbayes</source>
        <translation>
            <numerusform>%n abbazia</numerusform>
            <numerusform>%n abbazie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n abbaye</source>
        <translation>
            <numerusform>%n abbazia</numerusform>
            <numerusform>%n abbazie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contactés</source>
        <translation>
            <numerusform>%n collegata</numerusform>
            <numerusform>%n collegate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacté</source>
        <translation>
            <numerusform>%n collegata</numerusform>
            <numerusform>%n collegate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n confirmés</source>
        <translation>
            <numerusform>%n confermata</numerusform>
            <numerusform>%n confermate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n confirmé</source>
        <translation>
            <numerusform>%n confermata</numerusform>
            <numerusform>%n confermate</numerusform>
        </translation>
    </message>
    <message>
        <source>Revenir à la liste précédente</source>
        <translation>Tornare alla lista precedente</translation>
    </message>
    <message>
        <source>Nouvelle liste des abbayes</source>
        <translation>Nuova lista delle abbazie</translation>
    </message>
    <message>
        <source>Détail des changements de la liste des abbayes</source>
        <translation>Dettaglio delle modifiche della lista delle abbazie</translation>
    </message>
    <message>
        <source>Flèche droite ouvre une catégorie, flèche gauche la referme</source>
        <translation>Freccia destra apre una categoria, freccia sinistra la richiude</translation>
    </message>
    <message>
        <source>Référence ou ligne</source>
        <translation>Referenza o riga</translation>
    </message>
    <message>
        <source>Détail</source>
        <translation>Dettaglio</translation>
    </message>
    <message>
        <source>&amp;Détail des changements (Flèche droite ouvre une liste) :</source>
        <translation>&amp;Dettaglio delle modifiche (Freccia destra apre un elenco):</translation>
    </message>
    <message>
        <source>&amp;Mettre à jour les noms d&apos;abbaye des QSO du log</source>
        <translation>Aggiorna i &amp;nomi delle abbazie dei QSO del log</translation>
    </message>
    <message>
        <source>&amp;Revenir à cette liste</source>
        <translation>&amp;Torna a questa lista</translation>
    </message>
    <message>
        <source>&amp;Remplacer la liste</source>
        <translation>&amp;Sostituisci la lista</translation>
    </message>
    <message>
        <source>&amp;Enregistrer le rapport</source>
        <translation>Salva il &amp;rapporto</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Mettre les noms d&apos;abbaye des QSO du log à ceux de la liste précédente</source>
        <translation>Riporta i &amp;nomi delle abbazie dei QSO del log a quelli della lista precedente</translation>
    </message>
    <message>
        <source>la liste précédente</source>
        <translation>la lista precedente</translation>
    </message>
    <message>
        <source>la nouvelle liste (%1)</source>
        <translation>la nuova lista (%1)</translation>
    </message>
    <message>
        <source>Liste en service : %1, %2 ; celle qu&apos;elle remplace (%3) est gardée sous le nom %4</source>
        <translation>Lista in uso: %1, %2; quella che sostituisce (%3) è conservata con il nome %4</translation>
    </message>
    <message>
        <source>Liste en service : %1, %2 ; il n&apos;y avait pas de liste avant elle</source>
        <translation>Lista in uso: %1, %2; prima non c&apos;era alcuna lista</translation>
    </message>
    <message>
        <source>Liste précédente : %1 (%2, lue en %3) ; liste en service : %4</source>
        <translation>Lista precedente: %1 (%2, letta in %3); lista in uso: %4</translation>
    </message>
    <message>
        <source>Nouvelle liste : %1 (%2, lue en %3) ; liste en service : %4</source>
        <translation>Nuova lista: %1 (%2, letta in %3); lista in uso: %4</translation>
    </message>
    <message>
        <source>abbayes ajoutées : %1</source>
        <translation>abbazie aggiunte: %1</translation>
    </message>
    <message>
        <source>noms ou locators corrigés : %1</source>
        <translation>nomi o locatori corretti: %1</translation>
    </message>
    <message>
        <source>références retirées : %1, dont %2 dans le log</source>
        <translation>referenze ritirate: %1, di cui %2 nel log</translation>
    </message>
    <message>
        <source>lignes illisibles : %1</source>
        <translation>righe illeggibili: %1</translation>
    </message>
    <message>
        <source>références en double : %1</source>
        <translation>referenze doppie: %1</translation>
    </message>
    <message>
        <source>Log de %1 : QSO dont la référence n&apos;est plus dans %2 : %3, %4 (ils restent dans le log)</source>
        <translation>Log di %1: QSO la cui referenza non è più in %2: %3, %4 (restano nel log)</translation>
    </message>
    <message>
        <source>la nouvelle liste</source>
        <translation>la nuova lista</translation>
    </message>
    <message>
        <source>Aucune station choisie : aucun log à comparer.</source>
        <translation>Nessuna stazione scelta: nessun log da confrontare.</translation>
    </message>
    <message>
        <source>QSO dont le nom suit la correction : %1</source>
        <translation>QSO il cui nome segue la correzione: %1</translation>
    </message>
    <message>
        <source>abbayes ajoutées</source>
        <translation>abbazie aggiunte</translation>
    </message>
    <message>
        <source>%1  (locator %2)</source>
        <translation>%1  (locatore %2)</translation>
    </message>
    <message>
        <source>noms ou locators corrigés</source>
        <translation>nomi o locatori corretti</translation>
    </message>
    <message>
        <source>nom : %1 → %2</source>
        <translation>nome: %1 → %2</translation>
    </message>
    <message>
        <source>locator : %1 → %2</source>
        <translation>locatore: %1 → %2</translation>
    </message>
    <message>
        <source>références retirées</source>
        <translation>referenze ritirate</translation>
    </message>
    <message>
        <source>DANS LE LOG (%1 QSO, %2) : %3</source>
        <translation>NEL LOG (%1 QSO, %2): %3</translation>
    </message>
    <message>
        <source>lignes illisibles</source>
        <translation>righe illeggibili</translation>
    </message>
    <message>
        <source>ligne %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>références en double</source>
        <translation>referenze doppie</translation>
    </message>
    <message>
        <source>lignes %1 ; la ligne %2 compte</source>
        <translation>righe %1; conta la riga %2</translation>
    </message>
    <message>
        <source>QSO dont le nom d&apos;abbaye suit la correction</source>
        <translation>QSO il cui nome di abbazia segue la correzione</translation>
    </message>
    <message>
        <source>%1 du %2 : %3 → %4</source>
        <translation>%1 del %2: %3 → %4</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>La liste précédente est de nouveau en service.</source>
        <translation>La lista precedente è di nuovo in uso.</translation>
    </message>
    <message>
        <source>La liste a été remplacée.</source>
        <translation>La lista è stata sostituita.</translation>
    </message>
    <message>
        <source>Cette liste est déjà celle en service : rien à remplacer.</source>
        <translation>Questa lista è già quella in uso: niente da sostituire.</translation>
    </message>
    <message>
        <source>Rien n&apos;est encore modifié.</source>
        <translation>Non è ancora stato modificato nulla.</translation>
    </message>
    <message>
        <source>Le rapport a été enregistré sous le nom : %1</source>
        <translation>Il rapporto è stato salvato con il nome: %1</translation>
    </message>
    <message>
        <source>Le rapport %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation>Il rapporto %1 non è stato salvato:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>ActivityMapWindow</name>
    <message>
        <source>Carte des Regions contactées</source>
        <translation>Mappa delle Regioni collegate</translation>
    </message>
    <message>
        <source>&amp;Bande : </source>
        <translation>&amp;Banda: </translation>
    </message>
    <message>
        <source>&amp;Mode : </source>
        <translation>&amp;Modo: </translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation>Vi&amp;sualizza</translation>
    </message>
    <message>
        <source>sur 21 Régions</source>
        <translation>su 21 Regioni</translation>
    </message>
    <message>
        <source>Légende</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Case verte : au moins un QSO sur la bande</source>
        <translation>Casella verde: almeno un QSO sulla banda</translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation>Selezionare una banda</translation>
    </message>
    <message>
        <source>contactée, confirmée (QSL)</source>
        <translation>collegata, confermata (QSL)</translation>
    </message>
    <message>
        <source>contactée sans QSL</source>
        <translation>collegata senza QSL</translation>
    </message>
    <message>
        <source>non contactée</source>
        <translation>non collegata</translation>
    </message>
    <message>
        <source>Régions sur : %1</source>
        <translation>Regioni su: %1</translation>
    </message>
    <message>
        <source>Confirmées (QSL) : %1</source>
        <translation>Confermate (QSL): %1</translation>
    </message>
    <message>
        <source>Contactées sans QSL : %1</source>
        <translation>Collegate senza QSL: %1</translation>
    </message>
    <message>
        <source>Non contactées : %1</source>
        <translation>Non collegate: %1</translation>
    </message>
</context>
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
    <name>AdifMapping</name>
    <message>
        <source>référence absente de la liste des abbayes</source>
        <translation>referenza assente dalla lista delle abbazie</translation>
    </message>
    <message>
        <source>prénom coupé à 15 caractères</source>
        <translation>nome tagliato a 15 caratteri</translation>
    </message>
    <message>
        <source>nom de l&apos;abbaye coupé à 60 caractères</source>
        <translation>nome dell&apos;abbazia tagliato a 60 caratteri</translation>
    </message>
    <message>
        <source>caractères remplacés par les lettres les plus proches</source>
        <translation>caratteri sostituiti dalle lettere più vicine</translation>
    </message>
    <message>
        <source>à importer</source>
        <translation>da importare</translation>
    </message>
    <message>
        <source>à importer (%1)</source>
        <translation>da importare (%1)</translation>
    </message>
    <message>
        <source>pas de référence d&apos;abbaye</source>
        <translation>nessuna referenza di abbazia</translation>
    </message>
    <message>
        <source>illisible : %1</source>
        <translation>illeggibile: %1</translation>
    </message>
    <message>
        <source>pas d&apos;indicatif</source>
        <translation>nessun nominativo</translation>
    </message>
    <message>
        <source>indicatif de plus de 12 caractères</source>
        <translation>nominativo di più di 12 caratteri</translation>
    </message>
    <message>
        <source>référence d&apos;abbaye invalide</source>
        <translation>referenza di abbazia non valida</translation>
    </message>
    <message>
        <source>référence d&apos;abbaye vide</source>
        <translation>referenza di abbazia vuota</translation>
    </message>
    <message>
        <source>date absente ou illisible</source>
        <translation>data assente o illeggibile</translation>
    </message>
    <message>
        <source>date hors de 1950 à 2049, que l&apos;année sur deux chiffres du log ne peut pas écrire</source>
        <translation>data fuori dal periodo 1950-2049, che l&apos;anno a due cifre del log non può scrivere</translation>
    </message>
    <message>
        <source>heure absente ou illisible</source>
        <translation>ora assente o illeggibile</translation>
    </message>
    <message>
        <source>bande absente</source>
        <translation>banda assente</translation>
    </message>
    <message>
        <source>bande non prévue</source>
        <translation>banda non prevista</translation>
    </message>
    <message>
        <source>mode absent</source>
        <translation>modo assente</translation>
    </message>
    <message>
        <source>mode non prévu</source>
        <translation>modo non previsto</translation>
    </message>
    <message>
        <source>report de plus de 3 caractères</source>
        <translation>rapporto di più di 3 caratteri</translation>
    </message>
    <message>
        <source>déjà dans le log</source>
        <translation>già nel log</translation>
    </message>
    <message>
        <source>déjà contactée le %1</source>
        <translation>già collegata il %1</translation>
    </message>
    <message>
        <source>abbaye en double dans le fichier, n° %1 importé</source>
        <translation>abbazia doppia nel file, importato il n° %1</translation>
    </message>
    <message>
        <source>QSL à marquer</source>
        <translation>QSL da segnare</translation>
    </message>
    <message>
        <source>QSL déjà marquée</source>
        <translation>QSL già segnata</translation>
    </message>
    <message>
        <source>plusieurs QSO possibles</source>
        <translation>più QSO possibili</translation>
    </message>
    <message>
        <source>référence différente</source>
        <translation>referenza diversa</translation>
    </message>
    <message>
        <source>QSL sans QSO correspondant</source>
        <translation>QSL senza QSO corrispondente</translation>
    </message>
    <message>
        <source>QSL d&apos;un indicatif absent du log</source>
        <translation>QSL di un nominativo assente dal log</translation>
    </message>
</context>
<context>
    <name>AdifReader</name>
    <message>
        <source>enregistrement incomplet : le fichier se termine avant &lt;eor&gt;</source>
        <translation>record incompleto: il file finisce prima di &lt;eor&gt;</translation>
    </message>
    <message>
        <source>longueur du champ %1 illisible (%2), ni en caractères ni en octets</source>
        <translation>lunghezza del campo %1 illeggibile (%2), né in caratteri né in byte</translation>
    </message>
    <message>
        <source>longueur du champ %1 (%2) au-delà de la fin de l&apos;enregistrement</source>
        <translation>lunghezza del campo %1 (%2) oltre la fine del record</translation>
    </message>
    <message>
        <source>enregistrement incomplet : le fichier se termine dans le champ %1</source>
        <translation>record incompleto: il file finisce nel campo %1</translation>
    </message>
</context>
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
    <name>AwardChart</name>
    <message>
        <source>%1 - Diplôme ZEL - %2</source>
        <translation>%1 - Diploma ZEL - %2</translation>
    </message>
    <message>
        <source>le module du graphique (%1) n&apos;a pas pu être chargé : %2</source>
        <translation>il modulo del grafico (%1) non ha potuto essere caricato: %2</translation>
    </message>
    <message>
        <source>le module du graphique n&apos;est pas celui de cette version du programme</source>
        <translation>il modulo del grafico non è quello di questa versione del programma</translation>
    </message>
</context>
<context>
    <name>AwardChartPlugin</name>
    <message>
        <source>Abbayes contactées</source>
        <translation>Abbazie collegate</translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation>Abbazie confermate</translation>
    </message>
</context>
<context>
    <name>AwardProgress</name>
    <message numerus="yes">
        <source>Encore %n QSL pour le diplôme de base</source>
        <translation>
            <numerusform>Ancora %n QSL per il diploma di base</numerusform>
            <numerusform>Ancora %n QSL per il diploma di base</numerusform>
        </translation>
    </message>
    <message>
        <source>Tous les niveaux du diplôme sont atteints</source>
        <translation>Tutti i livelli del diploma sono raggiunti</translation>
    </message>
    <message numerus="yes">
        <source>Encore %n QSL pour le niveau Excellence %1</source>
        <translation>
            <numerusform>Ancora %n QSL per il livello Eccellenza %1</numerusform>
            <numerusform>Ancora %n QSL per il livello Eccellenza %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AwardScore</name>
    <message>
        <source>Bravo, vous pouvez obtenir</source>
        <translation>Complimenti, potete ottenere</translation>
    </message>
    <message>
        <source>Vous ne pouvez pas encore obtenir</source>
        <translation>Non potete ancora ottenere</translation>
    </message>
    <message>
        <source>Pour obtenir les diplomes des Abbayes</source>
        <translation>Per ottenere i diplomi delle Abbazie</translation>
    </message>
    <message>
        <source>Italiennes il vous faut la confirmation de</source>
        <translation>Italiane occorre la conferma di</translation>
    </message>
    <message>
        <source>10 Abbayes pour le diplome de base</source>
        <translation>10 Abbazie per il diploma di base</translation>
    </message>
    <message>
        <source>12 niveaux pour le diplome Excellence</source>
        <translation>12 livelli per il diploma Eccellenza</translation>
    </message>
    <message>
        <source>%1 Abbayes contactées et confirmées</source>
        <translation>%1 Abbazie collegate e confermate</translation>
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
    <name>ExportWindows</name>
    <message>
        <source>Exportation du log au format ADIF en cours…</source>
        <translation>Esportazione del log in formato ADIF in corso…</translation>
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
    <name>FirstNameList</name>
    <message>
        <source>Impossible de lire la liste des prénoms %1 :<byte value="xd"/>
%2</source>
        <translation>Impossibile leggere la lista dei nomi %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>la liste est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>la lista è in corso di modifica da un&apos;altra copia di KVR_ZEL.</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la liste des prénoms %1 :<byte value="xd"/>
%2</source>
        <translation>Impossibile salvare la lista dei nomi %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>KVR_ZEL Revision %1</source>
        <translation>KVR_ZEL Revisione %1</translation>
    </message>
    <message>
        <source>Carnet de trafic du diplôme des Abbayes italiennes (ZEL). Carte de l&apos;Italie : @svg-maps/italy (Victor Cazanave, d&apos;après MapSVG), licence CC BY 4.0</source>
        <translation>Registro di stazione del diploma delle Abbazie italiane (ZEL). Carta dell&apos;Italia: @svg-maps/italy (Victor Cazanave, da MapSVG), licenza CC BY 4.0</translation>
    </message>
    <message>
        <source>Logiciel libre sous licence GPL-3.0-or-later (GNU GPL version 3 ou toute version ultérieure), voir le fichier COPYING.</source>
        <translation>Software libero con licenza GPL-3.0-or-later (GNU GPL versione 3 o qualsiasi versione successiva), vedere il file COPYING.</translation>
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
    <name>HostName</name>
    <message>
        <source>Hôte introuvable : « %1 » n&apos;est ni un nom ni une adresse</source>
        <translation>Host non trovato: «%1» non è né un nome né un indirizzo</translation>
    </message>
</context>
<context>
    <name>ImportCommit</name>
    <message>
        <source>Les QSO n&apos;ont pas été importés :<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Le log et la liste des prénoms n&apos;ont pas été modifiés.</source>
        <translation>I QSO non sono stati importati:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Il log e la lista dei nomi non sono stati modificati.</translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où importer.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation>Nessuna stazione è ancora scelta: non c&apos;è un log in cui importare.<byte value="xd"/>
<byte value="xd"/>
Create prima la stazione (menu Stazione, Nuovo nominativo).</translation>
    </message>
    <message>
        <source>Aucun QSO à importer ni QSL à marquer.</source>
        <translation>Nessun QSO da importare né QSL da segnare.</translation>
    </message>
    <message>
        <source>la liste des prénoms %1 est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>la lista dei nomi %1 è in corso di modifica da un&apos;altra copia di KVR_ZEL.</translation>
    </message>
    <message>
        <source>la liste des prénoms %1 n&apos;a pas pu être lue : %2</source>
        <translation>la lista dei nomi %1 non è stata letta: %2</translation>
    </message>
    <message>
        <source>le disque est plein (%1 octets libres, il en faut %2).</source>
        <translation>il disco è pieno (%1 byte liberi, ne servono %2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Aucun QSO n&apos;a été importé ; la liste des prénoms n&apos;a pas été modifiée.</source>
        <translation><byte value="xd"/>
Nessun QSO è stato importato; la lista dei nomi non è stata modificata.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Aucune QSL n&apos;a été marquée.</source>
        <translation><byte value="xd"/>
Nessuna QSL è stata segnata.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
La liste des prénoms %1 n&apos;a pas pu être mise à jour : %2<byte value="xd"/>
Elle garde les prénoms qu&apos;elle avait.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
La lista dei nomi %1 non è stata aggiornata: %2<byte value="xd"/>
Conserva i nomi che aveva.</translation>
    </message>
    <message>
        <source>1 QSO a été ajouté au log %1.</source>
        <translation>1 QSO è stato aggiunto al log %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO ont été ajoutés au log %1.</source>
        <translation>
            <numerusform>%n QSO è stato aggiunto al log %1.</numerusform>
            <numerusform>%n QSO sono stati aggiunti al log %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 QSL a été marquée reçue dans le log %1.</source>
        <translation>1 QSL è stata segnata ricevuta nel log %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n QSL ont été marquées reçues dans le log %1.</source>
        <translation>
            <numerusform>%n QSL è stata segnata ricevuta nel log %1.</numerusform>
            <numerusform>%n QSL sono state segnate ricevute nel log %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>QSL déjà marquée : %1</source>
        <translation>QSL già segnate: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n QSL n&apos;ont pas été marquées : leur QSO a changé dans le log depuis l&apos;aperçu.</source>
        <translation>
            <numerusform>%n QSL non è stata segnata: il suo QSO è cambiato nel log dopo l&apos;anteprima.</numerusform>
            <numerusform>%n QSL non sono state segnate: il loro QSO è cambiato nel log dopo l&apos;anteprima.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportController</name>
    <message>
        <source>Importer un fichier ADIF</source>
        <translation>Importa un file ADIF</translation>
    </message>
    <message>
        <source>Fichiers ADIF (*.adi *.adif);;Tous les fichiers (*)</source>
        <translation>File ADIF (*.adi *.adif);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où importer.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation>Nessuna stazione è ancora scelta: non c&apos;è un log in cui importare.<byte value="xd"/>
<byte value="xd"/>
Create prima la stazione (menu Stazione, Nuovo nominativo).</translation>
    </message>
    <message>
        <source>Lecture du fichier %1...</source>
        <translation>Lettura del file %1...</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Importation ADIF</source>
        <translation>Importazione ADIF</translation>
    </message>
    <message>
        <source>Lecture du fichier ADIF</source>
        <translation>Lettura del file ADIF</translation>
    </message>
    <message>
        <source>Comparaison avec le log...</source>
        <translation>Confronto con il log...</translation>
    </message>
</context>
<context>
    <name>ImportListModel</name>
    <message>
        <source>N°</source>
        <translation>N°</translation>
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
        <source>Heure</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Referenza</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Esito</translation>
    </message>
</context>
<context>
    <name>ImportLoader</name>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2</source>
        <translation>Il file %1 non è stato letto:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>La liste des abbayes %1 ne peut pas être lue :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été importé.</source>
        <translation>La lista delle abbazie %1 non può essere letta:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Le fichier %1 ne contient aucun QSO au format ADIF.</source>
        <translation>Il file %1 non contiene alcun QSO in formato ADIF.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 dans le log</source>
        <translation>%1 nel log</translation>
    </message>
    <message>
        <source>heure : %1 min d&apos;écart</source>
        <translation>ora: %1 min di differenza</translation>
    </message>
    <message>
        <source>autre jour : %1</source>
        <translation>altro giorno: %1</translation>
    </message>
    <message>
        <source>bande : %1, log %2</source>
        <translation>banda: %1, log %2</translation>
    </message>
    <message>
        <source>refusés : %1 (%2 non listés)</source>
        <translation>rifiutati: %1 (%2 non elencati)</translation>
    </message>
    <message>
        <source>refusés : %1</source>
        <translation>rifiutati: %1</translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>Importation ADIF</source>
        <translation>Importazione ADIF</translation>
    </message>
    <message>
        <source>Fichier : %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>&amp;Tout afficher</source>
        <translation>&amp;Mostra tutto</translation>
    </message>
    <message>
        <source>Tout afficher, même les QSO sans référence d&apos;abbaye</source>
        <translation>Mostra tutto, anche i QSO senza referenza di abbazia</translation>
    </message>
    <message>
        <source>Enregistrements du fichier et leur sort</source>
        <translation>Record del file e il loro esito</translation>
    </message>
    <message>
        <source>&amp;Liste des enregistrements du fichier :</source>
        <translation>&amp;Elenco dei record del file:</translation>
    </message>
    <message>
        <source>&amp;Importer</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Enregistrer le rapport</source>
        <translation>Salva il &amp;rapporto</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>QSO faits par une autre station que %1 : %2</source>
        <translation>QSO fatti da una stazione diversa da %1: %2</translation>
    </message>
    <message>
        <source>QSO à importer : %1</source>
        <translation>QSO da importare: %1</translation>
    </message>
    <message>
        <source>déjà dans le log : %1</source>
        <translation>già nel log: %1</translation>
    </message>
    <message>
        <source>référence absente de la liste des abbayes : %1</source>
        <translation>referenza assente dalla lista delle abbazie: %1</translation>
    </message>
    <message>
        <source>pas de référence d&apos;abbaye : %1</source>
        <translation>nessuna referenza di abbazia: %1</translation>
    </message>
    <message>
        <source>QSL à marquer : %1</source>
        <translation>QSL da segnare: %1</translation>
    </message>
    <message>
        <source>QSL sans QSO correspondant : %1</source>
        <translation>QSL senza QSO corrispondente: %1</translation>
    </message>
    <message>
        <source>QSL d&apos;un indicatif absent du log : %1</source>
        <translation>QSL di un nominativo assente dal log: %1</translation>
    </message>
    <message numerus="yes">
        <source>ajouter %n QSO</source>
        <translation>
            <numerusform>aggiungere %n QSO</numerusform>
            <numerusform>aggiungere %n QSO</numerusform>
        </translation>
    </message>
    <message>
        <source>marquer 1 QSL reçue</source>
        <translation>segnare 1 QSL ricevuta</translation>
    </message>
    <message numerus="yes">
        <source>marquer %n QSL reçues</source>
        <translation>
            <numerusform>segnare %n QSL ricevuta</numerusform>
            <numerusform>segnare %n QSL ricevute</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Ce fichier est celui de la station %1, pas de %2.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous vraiment %3 dans le log de %2 ?</source>
        <translation>Questo file è quello della stazione %1, non di %2.<byte value="xd"/>
<byte value="xd"/>
Volete davvero %3 nel log di %2?</translation>
    </message>
    <message>
        <source>Le rapport a été enregistré sous le nom : %1</source>
        <translation>Il rapporto è stato salvato con il nome: %1</translation>
    </message>
    <message>
        <source>Le rapport %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation>Il rapporto %1 non è stato salvato:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>ItalyMapView</name>
    <message>
        <source>Carte de l&apos;Italie</source>
        <translation>Mappa dell&apos;Italia</translation>
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
    <name>LanguageChoice</name>
    <message>
        <source>La langue choisie sera utilisée au prochain démarrage du programme.</source>
        <translation>La lingua scelta sarà usata al prossimo avvio del programma.</translation>
    </message>
</context>
<context>
    <name>ListingModel</name>
    <message>
        <source>REF</source>
        <translation>RIF</translation>
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
        <source>Heure</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Nom de l&apos;Abbaye</source>
        <translation>Nome dell&apos;Abbazia</translation>
    </message>
    <message>
        <source>QSL</source>
        <translation>QSL</translation>
    </message>
    <message>
        <source>nom de l&apos;Abbaye</source>
        <translation>nome dell&apos;Abbazia</translation>
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
    <name>ListingWindow</name>
    <message>
        <source>ZEL Contactés</source>
        <translation>ZEL Collegate</translation>
    </message>
    <message>
        <source>&amp;contactées</source>
        <translation>&amp;collegate</translation>
    </message>
    <message>
        <source>Con&amp;firmées</source>
        <translation>Con&amp;fermate</translation>
    </message>
    <message>
        <source>Abbayes</source>
        <translation>Abbazie</translation>
    </message>
    <message>
        <source>Liste alphanumerique des Abbayes contactées</source>
        <translation>Elenco alfanumerico delle Abbazie collegate</translation>
    </message>
    <message>
        <source>Liste des Abbayes du diplôme</source>
        <translation>Elenco delle Abbazie del diploma</translation>
    </message>
    <message>
        <source>Liste des Abbayes contactées</source>
        <translation>Elenco delle Abbazie collegate</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Tri de la liste des Abbayes contactées en cours…</source>
        <translation>Ordinamento dell&apos;elenco delle Abbazie collegate in corso…</translation>
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
    <name>LogLookups</name>
    <message>
        <source>Le journal %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La référence ne peut pas être vérifiée : la saisie est arrêtée.</source>
        <translation>Il log %1 non è stato letto:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La referenza non può essere verificata: l&apos;inserimento è interrotto.</translation>
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
    <name>MiniMapWindow</name>
    <message>
        <source>Nouvelle Région</source>
        <translation>Nuova Regione</translation>
    </message>
    <message>
        <source>Repère : %1</source>
        <translation>Segnaposto: %1</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continua</translation>
    </message>
</context>
<context>
    <name>MultiQslWindow</name>
    <message>
        <source>Enregistrement des QSL multiples</source>
        <translation>Registrazione di QSL multiple</translation>
    </message>
    <message>
        <source>Pour rechercher les QSO avec la station </source>
        <translation>Per cercare i QSO con la stazione </translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation>Nominativo della stazione</translation>
    </message>
    <message>
        <source>cliquez sur</source>
        <translation>fate clic su</translation>
    </message>
    <message>
        <source>&amp;Rechercher</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>QSO sans QSL reçue</source>
        <translation>QSO senza QSL ricevuta</translation>
    </message>
    <message>
        <source>Cochez dans la liste ci-dessus les QSL reçues puis cliquez sur</source>
        <translation>Spuntate nell&apos;elenco qui sopra le QSL ricevute, poi fate clic su</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Enregistrement du log en cours…</source>
        <translation>Salvataggio del log in corso…</translation>
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
    <name>PendingQsl</name>
    <message numerus="yes">
        <source>%n QSL à recevoir</source>
        <translation>
            <numerusform>%n QSL da ricevere</numerusform>
            <numerusform>%n QSL da ricevere</numerusform>
        </translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation>Il log %1 non può essere letto, l&apos;elenco non è stato salvato:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>La liste des QSL à recevoir a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation>L&apos;elenco delle QSL da ricevere è stato salvato con il nome:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation>Non è stato possibile salvare l&apos;elenco con il nome: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Marquer la QSL reçue pour le QSO coché ?</source>
        <translation>Segnare la QSL ricevuta per il QSO spuntato?</translation>
    </message>
    <message numerus="yes">
        <source>Marquer la QSL reçue pour les %n QSO cochés ?</source>
        <translation>
            <numerusform>Segnare la QSL ricevuta per il %n QSO spuntato?</numerusform>
            <numerusform>Segnare la QSL ricevuta per i %n QSO spuntati?</numerusform>
        </translation>
    </message>
    <message>
        <source>Ce QSO est caché par le filtre.</source>
        <translation>Questo QSO è nascosto dal filtro.</translation>
    </message>
    <message>
        <source>1 de ces QSO est caché par le filtre.</source>
        <translation>1 di questi QSO è nascosto dal filtro.</translation>
    </message>
    <message numerus="yes">
        <source>%n de ces QSO sont cachés par le filtre.</source>
        <translation>
            <numerusform>%n di questi QSO è nascosto dal filtro.</numerusform>
            <numerusform>%n di questi QSO sono nascosti dal filtro.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PendingQslWindow</name>
    <message>
        <source>QSL à recevoir</source>
        <translation>QSL da ricevere</translation>
    </message>
    <message>
        <source>Fil&amp;tre (indicatif ou référence) :</source>
        <translation>Fil&amp;tro (nominativo o referenza):</translation>
    </message>
    <message>
        <source>Filtre sur l&apos;indicatif ou la référence</source>
        <translation>Filtro sul nominativo o sulla referenza</translation>
    </message>
    <message>
        <source>QSO dont la QSL est à recevoir</source>
        <translation>QSO la cui QSL è da ricevere</translation>
    </message>
    <message>
        <source>Espace coche la ligne, Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation>Spazio spunta la riga, Invio o un doppio clic mostra il QSO nella finestra principale</translation>
    </message>
    <message>
        <source>&amp;Marquer QSL reçue</source>
        <translation>Segna QSL &amp;ricevuta</translation>
    </message>
    <message>
        <source>Marque les QSO cochés comme confirmés</source>
        <translation>Segna i QSO spuntati come confermati</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Chiudi</translation>
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
    <name>ProgramDir</name>
    <message>
        <source>Le dossier des journaux %1 ne peut pas être créé.<byte value="xd"/>
<byte value="xd"/>
Vérifiez que le dossier parent existe et n&apos;est pas protégé en écriture, et que le disque n&apos;est pas plein ; aucun QSO ne pourra être enregistré d&apos;ici là.</source>
        <translation>La cartella dei log %1 non può essere creata.<byte value="xd"/>
<byte value="xd"/>
Verificate che la cartella superiore esista e non sia protetta in scrittura, e che il disco non sia pieno; fino ad allora nessun QSO potrà essere salvato.</translation>
    </message>
    <message>
        <source>Les fichiers fournis avec KVR_ZEL n&apos;ont pas pu être copiés dans %1 :<byte value="xd"/>
%2</source>
        <translation>I file forniti con KVR_ZEL non sono stati copiati in %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>QslMarking</name>
    <message>
        <source>Les QSL n&apos;ont pas été enregistrées : le journal a été modifié depuis la recherche.<byte value="xd"/>
Cliquez de nouveau sur Rechercher.</source>
        <translation>Le QSL non sono state salvate: il log è stato modificato dopo la ricerca.<byte value="xd"/>
Fate di nuovo clic su Cerca.</translation>
    </message>
    <message>
        <source>Selectionnez un ou plusieurs QSO</source>
        <translation>Selezionare uno o più QSO</translation>
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
    <name>RegionNames</name>
    <message>
        <source>Abruzzes</source>
        <translation>Abruzzo</translation>
    </message>
    <message>
        <source>Basilicate</source>
        <translation>Basilicata</translation>
    </message>
    <message>
        <source>Calabre</source>
        <translation>Calabria</translation>
    </message>
    <message>
        <source>Campanie</source>
        <translation>Campania</translation>
    </message>
    <message>
        <source>Emilie Romagne</source>
        <translation>Emilia-Romagna</translation>
    </message>
    <message>
        <source>Frioul Venetie</source>
        <translation>Friuli-Venezia Giulia</translation>
    </message>
    <message>
        <source>Frioul-Venetie Julienne</source>
        <translation>Friuli-Venezia Giulia</translation>
    </message>
    <message>
        <source>Frioul Venetie Julienne</source>
        <translation>Friuli-Venezia Giulia</translation>
    </message>
    <message>
        <source>Latium</source>
        <translation>Lazio</translation>
    </message>
    <message>
        <source>Ligurie</source>
        <translation>Liguria</translation>
    </message>
    <message>
        <source>Liguria</source>
        <translation>Liguria</translation>
    </message>
    <message>
        <source>Lombardie</source>
        <translation>Lombardia</translation>
    </message>
    <message>
        <source>Marches</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Molise</source>
        <translation>Molise</translation>
    </message>
    <message>
        <source>Ombrie</source>
        <translation>Umbria</translation>
    </message>
    <message>
        <source>Piemont</source>
        <translation>Piemonte</translation>
    </message>
    <message>
        <source>Pouilles</source>
        <translation>Puglia</translation>
    </message>
    <message>
        <source>Sardaigne</source>
        <translation>Sardegna</translation>
    </message>
    <message>
        <source>Sicile</source>
        <translation>Sicilia</translation>
    </message>
    <message>
        <source>Toscane</source>
        <translation>Toscana</translation>
    </message>
    <message>
        <source>Trentin P.A.</source>
        <translation>P.A. Trento</translation>
    </message>
    <message>
        <source>Venetie</source>
        <translation>Veneto</translation>
    </message>
    <message>
        <source>Vénétie</source>
        <translation>Veneto</translation>
    </message>
    <message>
        <source>Vallee d aoste</source>
        <translation>Valle d&apos;Aosta</translation>
    </message>
    <message>
        <source>Val d&apos;Aoste</source>
        <translation>Valle d&apos;Aosta</translation>
    </message>
    <message>
        <source>Bolzano P.A.</source>
        <translation>P.A. Bolzano</translation>
    </message>
    <message>
        <source>Bolzamo P.A.</source>
        <translation>P.A. Bolzano</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>region code and name on the map</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 Region %2</source>
        <comment>region code and name in the regions list</comment>
        <translation>%1 Regione %2</translation>
    </message>
</context>
<context>
    <name>RegionQsoWindow</name>
    <message>
        <source>Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation>Invio o un doppio clic mostra il QSO nella finestra principale</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>QSO de la région %1</source>
        <translation>QSO della regione %1</translation>
    </message>
    <message>
        <source>toutes bandes</source>
        <translation>tutte le bande</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO (%1)</source>
        <translation>
            <numerusform>%n QSO (%1)</numerusform>
            <numerusform>%n QSO (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegionSelectors</name>
    <message>
        <source>Bande</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Toutes</source>
        <translation>Tutte</translation>
    </message>
</context>
<context>
    <name>RegionsWindow</name>
    <message>
        <source>Regions contactées</source>
        <translation>Regioni collegate</translation>
    </message>
    <message>
        <source>&amp;Bande</source>
        <translation>&amp;Banda</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation>Vi&amp;sualizza</translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation>Selezionare una banda</translation>
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
    <name>ReportFile</name>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation>Il log %1 non può essere letto, l&apos;elenco non è stato salvato:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation>Non è stato possibile salvare l&apos;elenco con il nome: %1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>      REF     Indicatif         Date    Heure               Nom de l&apos;Abbaye                                                           QSL</source>
        <translation>      RIF     Nominativo        Data    Ora                 Nome dell&apos;Abbazia                                                         QSL</translation>
    </message>
    <message>
        <source>    REF                  nom de l&apos;Abbaye                                                                  Date      Indicatif         QSL</source>
        <translation>    RIF                  nome dell&apos;Abbazia                                                                Data      Nominativo        QSL</translation>
    </message>
    <message>
        <source>Le log a été enregistré sous le nom : %1</source>
        <translation>Il log è stato salvato con il nome: %1</translation>
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
    <name>ScoreWindow</name>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>Scores pour le diplome</source>
        <translation>Punteggi per il diploma</translation>
    </message>
    <message>
        <source>des Abbayes Italiennes</source>
        <translation>delle Abbazie Italiane</translation>
    </message>
    <message>
        <source>Abbayes contactée(s)</source>
        <translation>Abbazie collegate</translation>
    </message>
    <message>
        <source>Abbayes confirmée(s)</source>
        <translation>Abbazie confermate</translation>
    </message>
    <message>
        <source>le diplome ZEL de base</source>
        <translation>il diploma ZEL di base</translation>
    </message>
    <message>
        <source>le diplome ZEL Excellence</source>
        <translation>il diploma ZEL Eccellenza</translation>
    </message>
    <message>
        <source>Progression vers le niveau suivant</source>
        <translation>Progressione verso il livello successivo</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Salva l&apos;immagine</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Le diplôme mois par mois</source>
        <translation>Il diploma mese per mese</translation>
    </message>
    <message>
        <source>Les mêmes chiffres sont dans l&apos;onglet Tableau</source>
        <translation>Gli stessi numeri sono nella scheda Tabella</translation>
    </message>
    <message>
        <source>Le graphique n&apos;est pas disponible : %1.<byte value="xd"/>
Les chiffres sont dans l&apos;onglet Tableau.</source>
        <translation>Il grafico non è disponibile: %1.<byte value="xd"/>
I numeri sono nella scheda Tabella.</translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par mois</source>
        <translation>Abbazie collegate e confermate per mese</translation>
    </message>
    <message>
        <source>Mois</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Abbayes contactées</source>
        <translation>Abbazie collegate</translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation>Abbazie confermate</translation>
    </message>
    <message>
        <source>&amp;Graphique</source>
        <translation>&amp;Grafico</translation>
    </message>
    <message>
        <source>&amp;Tableau</source>
        <translation>&amp;Tabella</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;&amp;image</source>
        <translation>Salva l&apos;&amp;immagine</translation>
    </message>
    <message>
        <source>Enregistre le graphique en image PNG</source>
        <translation>Salva il grafico come immagine PNG</translation>
    </message>
    <message>
        <source>Le diplôme année par année</source>
        <translation>Il diploma anno per anno</translation>
    </message>
    <message>
        <source>Le diplôme jour par jour</source>
        <translation>Il diploma giorno per giorno</translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par année</source>
        <translation>Abbazie collegate e confermate per anno</translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par jour</source>
        <translation>Abbazie collegate e confermate per giorno</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Jour</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par année</source>
        <translation>Grafico delle abbazie collegate e confermate per anno</translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par jour</source>
        <translation>Grafico delle abbazie collegate e confermate per giorno</translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par mois</source>
        <translation>Grafico delle abbazie collegate e confermate per mese</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être préparée.</source>
        <translation>Non è stato possibile preparare l&apos;immagine.</translation>
    </message>
    <message>
        <source>L&apos;image a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation>L&apos;immagine è stata salvata con il nome:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation>Non è stato possibile salvare l&apos;immagine con il nome: %1<byte value="xd"/>
%2</translation>
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
<context>
    <name>WaitNotice</name>
    <message>
        <source>Veuillez patienter</source>
        <translation>Attendere prego</translation>
    </message>
</context>
</TS>
