<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>ActivityMapWindow</name>
    <message>
        <source>Carte des Regions contactées</source>
        <translation>Map of the Regions worked</translation>
    </message>
    <message>
        <source>&amp;Bande : </source>
        <translation>&amp;Band: </translation>
    </message>
    <message>
        <source>&amp;Mode : </source>
        <translation>&amp;Mode: </translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>sur 21 Régions</source>
        <translation>of 21 Regions</translation>
    </message>
    <message>
        <source>Légende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Case verte : au moins un QSO sur la bande</source>
        <translation>Green box: at least one QSO on the band</translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation>Select a band</translation>
    </message>
    <message>
        <source>contactée, confirmée (QSL)</source>
        <translation>worked, confirmed (QSL)</translation>
    </message>
    <message>
        <source>contactée sans QSL</source>
        <translation>worked without QSL</translation>
    </message>
    <message>
        <source>non contactée</source>
        <translation>not worked</translation>
    </message>
    <message>
        <source>Régions sur : %1</source>
        <translation>Regions on: %1</translation>
    </message>
    <message>
        <source>Confirmées (QSL) : %1</source>
        <translation>Confirmed (QSL): %1</translation>
    </message>
    <message>
        <source>Contactées sans QSL : %1</source>
        <translation>Worked without QSL: %1</translation>
    </message>
    <message>
        <source>Non contactées : %1</source>
        <translation>Not worked: %1</translation>
    </message>
</context>
<context>
    <name>AwardChart</name>
    <message>
        <source>%1 - Diplôme ZEL - %2</source>
        <translation>%1 - ZEL Award - %2</translation>
    </message>
    <message>
        <source>le module du graphique (%1) n&apos;a pas pu être chargé : %2</source>
        <translation>the chart module (%1) could not be loaded: %2</translation>
    </message>
    <message>
        <source>le module du graphique n&apos;est pas celui de cette version du programme</source>
        <translation>the chart module does not belong to this version of the program</translation>
    </message>
</context>
<context>
    <name>AwardChartPlugin</name>
    <message>
        <source>Abbayes contactées</source>
        <translation>Abbeys worked</translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation>Abbeys confirmed</translation>
    </message>
</context>
<context>
    <name>AwardProgress</name>
    <message numerus="yes">
        <source>Encore %n QSL pour le diplôme de base</source>
        <translation>
            <numerusform>%n more QSL for the basic award</numerusform>
            <numerusform>%n more QSLs for the basic award</numerusform>
        </translation>
    </message>
    <message>
        <source>Tous les niveaux du diplôme sont atteints</source>
        <translation>Every level of the award is reached</translation>
    </message>
    <message numerus="yes">
        <source>Encore %n QSL pour le niveau Excellence %1</source>
        <translation>
            <numerusform>%n more QSL for Excellence level %1</numerusform>
            <numerusform>%n more QSLs for Excellence level %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AwardScore</name>
    <message>
        <source>Bravo, vous pouvez obtenir</source>
        <translation>Well done, you can claim</translation>
    </message>
    <message>
        <source>Vous ne pouvez pas encore obtenir</source>
        <translation>You cannot yet claim</translation>
    </message>
    <message>
        <source>Pour obtenir les diplomes des Abbayes</source>
        <translation>To obtain the awards of the Italian</translation>
    </message>
    <message>
        <source>Italiennes il vous faut la confirmation de</source>
        <translation>Abbeys you need the confirmation of</translation>
    </message>
    <message>
        <source>10 Abbayes pour le diplome de base</source>
        <translation>10 Abbeys for the basic award</translation>
    </message>
    <message>
        <source>12 niveaux pour le diplome Excellence</source>
        <translation>12 levels for the Excellence award</translation>
    </message>
    <message>
        <source>%1 Abbayes contactées et confirmées</source>
        <translation>%1 Abbeys worked and confirmed</translation>
    </message>
</context>
<context>
    <name>ItalyMapView</name>
    <message>
        <source>Carte de l&apos;Italie</source>
        <translation>Map of Italy</translation>
    </message>
</context>
<context>
    <name>ListingModel</name>
    <message>
        <source>REF</source>
        <translation>REF</translation>
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
        <source>Heure</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Nom de l&apos;Abbaye</source>
        <translation>Name of the Abbey</translation>
    </message>
    <message>
        <source>QSL</source>
        <translation>QSL</translation>
    </message>
    <message>
        <source>nom de l&apos;Abbaye</source>
        <translation>name of the Abbey</translation>
    </message>
</context>
<context>
    <name>ListingWindow</name>
    <message>
        <source>ZEL Contactés</source>
        <translation>ZEL Worked</translation>
    </message>
    <message>
        <source>&amp;contactées</source>
        <translation>&amp;worked</translation>
    </message>
    <message>
        <source>Con&amp;firmées</source>
        <translation>Con&amp;firmed</translation>
    </message>
    <message>
        <source>Abbayes</source>
        <translation>Abbeys</translation>
    </message>
    <message>
        <source>Liste alphanumerique des Abbayes contactées</source>
        <translation>Alphanumeric list of the Abbeys worked</translation>
    </message>
    <message>
        <source>Liste des Abbayes du diplôme</source>
        <translation>List of the award&apos;s Abbeys</translation>
    </message>
    <message>
        <source>Liste des Abbayes contactées</source>
        <translation>List of the Abbeys worked</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Tri de la liste des Abbayes contactées en cours…</source>
        <translation>Sorting the list of the Abbeys worked…</translation>
    </message>
</context>
<context>
    <name>MiniMapWindow</name>
    <message>
        <source>Nouvelle Région</source>
        <translation>New Region</translation>
    </message>
    <message>
        <source>Repère : %1</source>
        <translation>Marker: %1</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continue</translation>
    </message>
</context>
<context>
    <name>MultiQslWindow</name>
    <message>
        <source>Enregistrement des QSL multiples</source>
        <translation>Recording several QSLs</translation>
    </message>
    <message>
        <source>Pour rechercher les QSO avec la station </source>
        <translation>To find the QSOs with the station </translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation>Callsign of the station</translation>
    </message>
    <message>
        <source>cliquez sur</source>
        <translation>click</translation>
    </message>
    <message>
        <source>&amp;Rechercher</source>
        <translation>Sea&amp;rch</translation>
    </message>
    <message>
        <source>QSO sans QSL reçue</source>
        <translation>QSOs without a QSL received</translation>
    </message>
    <message>
        <source>Cochez dans la liste ci-dessus les QSL reçues puis cliquez sur</source>
        <translation>Tick the QSLs received in the list above, then click</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrement du log en cours…</source>
        <translation>Saving the log…</translation>
    </message>
</context>
<context>
    <name>PendingQsl</name>
    <message numerus="yes">
        <source>%n QSL à recevoir</source>
        <translation>
            <numerusform>%n QSL to receive</numerusform>
            <numerusform>%n QSLs to receive</numerusform>
        </translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation>The log %1 cannot be read, the list is not saved:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>La liste des QSL à recevoir a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation>The list of QSLs to receive was saved as:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation>The list could not be saved as: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Marquer la QSL reçue pour le QSO coché ?</source>
        <translation>Mark the QSL received for the ticked QSO?</translation>
    </message>
    <message numerus="yes">
        <source>Marquer la QSL reçue pour les %n QSO cochés ?</source>
        <translation>
            <numerusform>Mark the QSL received for the %n ticked QSO?</numerusform>
            <numerusform>Mark the QSLs received for the %n ticked QSOs?</numerusform>
        </translation>
    </message>
    <message>
        <source>Ce QSO est caché par le filtre.</source>
        <translation>This QSO is hidden by the filter.</translation>
    </message>
    <message>
        <source>1 de ces QSO est caché par le filtre.</source>
        <translation>1 of these QSOs is hidden by the filter.</translation>
    </message>
    <message numerus="yes">
        <source>%n de ces QSO sont cachés par le filtre.</source>
        <translation>
            <numerusform>%n of these QSOs is hidden by the filter.</numerusform>
            <numerusform>%n of these QSOs are hidden by the filter.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PendingQslWindow</name>
    <message>
        <source>QSL à recevoir</source>
        <translation>QSLs to receive</translation>
    </message>
    <message>
        <source>Fil&amp;tre (indicatif ou référence) :</source>
        <translation>Fil&amp;ter (callsign or reference):</translation>
    </message>
    <message>
        <source>Filtre sur l&apos;indicatif ou la référence</source>
        <translation>Filter on the callsign or the reference</translation>
    </message>
    <message>
        <source>QSO dont la QSL est à recevoir</source>
        <translation>QSOs whose QSL is still to receive</translation>
    </message>
    <message>
        <source>Espace coche la ligne, Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation>Space ticks the line, Enter or a double click shows the QSO in the main window</translation>
    </message>
    <message>
        <source>&amp;Marquer QSL reçue</source>
        <translation>&amp;Mark QSL received</translation>
    </message>
    <message>
        <source>Marque les QSO cochés comme confirmés</source>
        <translation>Marks the ticked QSOs as confirmed</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>QslMarking</name>
    <message>
        <source>Les QSL n&apos;ont pas été enregistrées : le journal a été modifié depuis la recherche.<byte value="xd"/>
Cliquez de nouveau sur Rechercher.</source>
        <translation>The QSLs were not saved: the log has changed since the search.<byte value="xd"/>
Click Search again.</translation>
    </message>
    <message>
        <source>Selectionnez un ou plusieurs QSO</source>
        <translation>Select one or more QSOs</translation>
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
        <translation>Lombardy</translation>
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
        <translation>Piedmont</translation>
    </message>
    <message>
        <source>Pouilles</source>
        <translation>Apulia</translation>
    </message>
    <message>
        <source>Sardaigne</source>
        <translation>Sardinia</translation>
    </message>
    <message>
        <source>Sicile</source>
        <translation>Sicily</translation>
    </message>
    <message>
        <source>Toscane</source>
        <translation>Tuscany</translation>
    </message>
    <message>
        <source>Trentin P.A.</source>
        <translation>Trento A.P.</translation>
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
        <translation>Aosta Valley</translation>
    </message>
    <message>
        <source>Val d&apos;Aoste</source>
        <translation>Aosta Valley</translation>
    </message>
    <message>
        <source>Bolzano P.A.</source>
        <translation>Bolzano A.P.</translation>
    </message>
    <message>
        <source>Bolzamo P.A.</source>
        <translation>Bolzano A.P.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>region code and name on the map</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 Region %2</source>
        <comment>region code and name in the regions list</comment>
        <translation>%1 Region %2</translation>
    </message>
</context>
<context>
    <name>RegionQsoWindow</name>
    <message>
        <source>Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation>Enter or a double click shows the QSO in the main window</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>QSO de la région %1</source>
        <translation>QSOs of the region %1</translation>
    </message>
    <message>
        <source>toutes bandes</source>
        <translation>all bands</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO (%1)</source>
        <translation>
            <numerusform>%n QSO (%1)</numerusform>
            <numerusform>%n QSOs (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegionSelectors</name>
    <message>
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Toutes</source>
        <translation>All</translation>
    </message>
</context>
<context>
    <name>RegionsWindow</name>
    <message>
        <source>Regions contactées</source>
        <translation>Regions worked</translation>
    </message>
    <message>
        <source>&amp;Bande</source>
        <translation>&amp;Band</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation>Select a band</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation>The log %1 cannot be read, the list is not saved:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation>The list could not be saved as: %1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>      REF     Indicatif         Date    Heure               Nom de l&apos;Abbaye                                                           QSL</source>
        <translation>      REF     Callsign          Date    Time                Name of the Abbey                                                         QSL</translation>
    </message>
    <message>
        <source>    REF                  nom de l&apos;Abbaye                                                                  Date      Indicatif         QSL</source>
        <translation>    REF                  name of the Abbey                                                                Date      Callsign          QSL</translation>
    </message>
    <message>
        <source>Le log a été enregistré sous le nom : %1</source>
        <translation>The log was saved as: %1</translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Scores pour le diplome</source>
        <translation>Scores for the award</translation>
    </message>
    <message>
        <source>des Abbayes Italiennes</source>
        <translation>of the Italian Abbeys</translation>
    </message>
    <message>
        <source>Abbayes contactée(s)</source>
        <translation>Abbeys worked</translation>
    </message>
    <message>
        <source>Abbayes confirmée(s)</source>
        <translation>Abbeys confirmed</translation>
    </message>
    <message>
        <source>le diplome ZEL de base</source>
        <translation>the basic ZEL award</translation>
    </message>
    <message>
        <source>le diplome ZEL Excellence</source>
        <translation>the ZEL Excellence award</translation>
    </message>
    <message>
        <source>Progression vers le niveau suivant</source>
        <translation>Progress towards the next level</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Le diplôme mois par mois</source>
        <translation>The award month by month</translation>
    </message>
    <message>
        <source>Les mêmes chiffres sont dans l&apos;onglet Tableau</source>
        <translation>The same figures are in the Table tab</translation>
    </message>
    <message>
        <source>Le graphique n&apos;est pas disponible : %1.<byte value="xd"/>
Les chiffres sont dans l&apos;onglet Tableau.</source>
        <translation>The chart is not available: %1.<byte value="xd"/>
The figures are in the Table tab.</translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par mois</source>
        <translation>Abbeys worked and confirmed by month</translation>
    </message>
    <message>
        <source>Mois</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Abbayes contactées</source>
        <translation>Abbeys worked</translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation>Abbeys confirmed</translation>
    </message>
    <message>
        <source>&amp;Graphique</source>
        <translation>&amp;Chart</translation>
    </message>
    <message>
        <source>&amp;Tableau</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;&amp;image</source>
        <translation>Save the p&amp;icture</translation>
    </message>
    <message>
        <source>Enregistre le graphique en image PNG</source>
        <translation>Saves the chart as a PNG picture</translation>
    </message>
    <message>
        <source>Le diplôme année par année</source>
        <translation>The award year by year</translation>
    </message>
    <message>
        <source>Le diplôme jour par jour</source>
        <translation>The award day by day</translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par année</source>
        <translation>Abbeys worked and confirmed by year</translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par jour</source>
        <translation>Abbeys worked and confirmed by day</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Jour</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par année</source>
        <translation>Chart of the abbeys worked and confirmed by year</translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par jour</source>
        <translation>Chart of the abbeys worked and confirmed by day</translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par mois</source>
        <translation>Chart of the abbeys worked and confirmed by month</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être préparée.</source>
        <translation>The picture could not be prepared.</translation>
    </message>
    <message>
        <source>L&apos;image a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation>The picture was saved as:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation>The picture could not be saved as: %1<byte value="xd"/>
%2</translation>
    </message>
</context>
</TS>
