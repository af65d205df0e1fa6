<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
</TS>
