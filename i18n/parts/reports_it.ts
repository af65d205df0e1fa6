<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
    <name>ItalyMapView</name>
    <message>
        <source>Carte de l&apos;Italie</source>
        <translation>Mappa dell&apos;Italia</translation>
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
</TS>
