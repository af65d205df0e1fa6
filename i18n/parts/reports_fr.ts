<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ActivityMapWindow</name>
    <message>
        <source>Carte des Regions contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bande : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sur 21 Régions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Légende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case verte : au moins un QSO sur la bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contactée, confirmée (QSL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contactée sans QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non contactée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Régions sur : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmées (QSL) : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contactées sans QSL : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non contactées : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AwardChart</name>
    <message>
        <source>%1 - Diplôme ZEL - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le module du graphique (%1) n&apos;a pas pu être chargé : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le module du graphique n&apos;est pas celui de cette version du programme</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AwardChartPlugin</name>
    <message>
        <source>Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AwardProgress</name>
    <message numerus="yes">
        <source>Encore %n QSL pour le diplôme de base</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Tous les niveaux du diplôme sont atteints</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Encore %n QSL pour le niveau Excellence %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AwardScore</name>
    <message>
        <source>Bravo, vous pouvez obtenir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vous ne pouvez pas encore obtenir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pour obtenir les diplomes des Abbayes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italiennes il vous faut la confirmation de</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Abbayes pour le diplome de base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 niveaux pour le diplome Excellence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Abbayes contactées et confirmées</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItalyMapView</name>
    <message>
        <source>Carte de l&apos;Italie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListingModel</name>
    <message>
        <source>REF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom de l&apos;Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom de l&apos;Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListingWindow</name>
    <message>
        <source>ZEL Contactés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;firmées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste alphanumerique des Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste des Abbayes du diplôme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste des Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tri de la liste des Abbayes contactées en cours…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MiniMapWindow</name>
    <message>
        <source>Nouvelle Région</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repère : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiQslWindow</name>
    <message>
        <source>Enregistrement des QSL multiples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pour rechercher les QSO avec la station </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cliquez sur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rechercher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO sans QSL reçue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cochez dans la liste ci-dessus les QSL reçues puis cliquez sur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement du log en cours…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PendingQsl</name>
    <message numerus="yes">
        <source>%n QSL à recevoir</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des QSL à recevoir a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marquer la QSL reçue pour le QSO coché ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Marquer la QSL reçue pour les %n QSO cochés ?</source>
        <translation>
            <numerusform>Marquer la QSL reçue pour le QSO coché ?</numerusform>
            <numerusform>Marquer la QSL reçue pour les %n QSO cochés ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Ce QSO est caché par le filtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 de ces QSO est caché par le filtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n de ces QSO sont cachés par le filtre.</source>
        <translation>
            <numerusform>%n de ces QSO est caché par le filtre.</numerusform>
            <numerusform>%n de ces QSO sont cachés par le filtre.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PendingQslWindow</name>
    <message>
        <source>QSL à recevoir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil&amp;tre (indicatif ou référence) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtre sur l&apos;indicatif ou la référence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO dont la QSL est à recevoir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espace coche la ligne, Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Marquer QSL reçue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marque les QSO cochés comme confirmés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QslMarking</name>
    <message>
        <source>Les QSL n&apos;ont pas été enregistrées : le journal a été modifié depuis la recherche.<byte value="xd"/>
Cliquez de nouveau sur Rechercher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selectionnez un ou plusieurs QSO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegionNames</name>
    <message>
        <source>Abruzzes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basilicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calabre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emilie Romagne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frioul Venetie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frioul-Venetie Julienne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frioul Venetie Julienne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ligurie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liguria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lombardie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ombrie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piemont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pouilles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sardaigne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toscane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trentin P.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venetie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vénétie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vallee d aoste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Val d&apos;Aoste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolzano P.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolzamo P.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>region code and name on the map</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Region %2</source>
        <comment>region code and name in the regions list</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegionQsoWindow</name>
    <message>
        <source>Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO de la région %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toutes bandes</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n QSO (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegionSelectors</name>
    <message>
        <source>Bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegionsWindow</name>
    <message>
        <source>Regions contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>      REF     Indicatif         Date    Heure               Nom de l&apos;Abbaye                                                           QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    REF                  nom de l&apos;Abbaye                                                                  Date      Indicatif         QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le log a été enregistré sous le nom : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores pour le diplome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>des Abbayes Italiennes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactée(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes confirmée(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diplome ZEL de base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diplome ZEL Excellence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progression vers le niveau suivant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le diplôme mois par mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les mêmes chiffres sont dans l&apos;onglet Tableau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le graphique n&apos;est pas disponible : %1.<byte value="xd"/>
Les chiffres sont dans l&apos;onglet Tableau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tableau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer l&apos;&amp;image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistre le graphique en image PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le diplôme année par année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le diplôme jour par jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être préparée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;image a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
