<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>EPrintError</name>
    <message>
        <source>The printer &quot;%1&quot; reports no paper size or resolution.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’indique ni format de papier ni résolution.</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; could not start.</source>
        <translation>L’impression sur «&#xa0;%1&#xa0;» n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; could not be finished.</source>
        <translation>L’impression sur «&#xa0;%1&#xa0;» n’a pas pu se terminer.</translation>
    </message>
    <message>
        <source>The print service refused the job for &quot;%1&quot;: %2</source>
        <translation>Le service d’impression a refusé la tâche pour «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TLibraryCommands</name>
    <message>
        <source>Korvo library(*.kvl)|*.kvl</source>
        <translation>Bibliothèque Korvo(*.kvl)|*.kvl</translation>
    </message>
    <message>
        <source>library file %1 not found</source>
        <translation>fichier de bibliothèque %1 introuvable</translation>
    </message>
    <message>
        <source>Save library as</source>
        <translation>Enregistrer la bibliothèque sous</translation>
    </message>
    <message>
        <source>The library has no page yet. Make one with &quot;New page&quot; first.</source>
        <translation>La bibliothèque n’a pas encore de page. Créez-en d’abord une avec «&#xa0;Nouvelle page&#xa0;».</translation>
    </message>
    <message>
        <source>Point at the shape to add to the library.</source>
        <translation>Pointez la forme à ajouter à la bibliothèque.</translation>
    </message>
    <message>
        <source>Add selected shapes to &apos;%1&apos;</source>
        <translation>Ajouter les formes sélectionnées à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Add this shape to &apos;%1&apos;</source>
        <translation>Ajouter cette forme à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Add to library</source>
        <translation>Ajouter à la bibliothèque</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rename shape</source>
        <translation>Renommer la forme</translation>
    </message>
    <message>
        <source>Enter a new name for the selected shape.</source>
        <translation>Saisissez un nouveau nom pour la forme sélectionnée.</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>appliquer</translation>
    </message>
    <message>
        <source>Rename page</source>
        <translation>Renommer la page</translation>
    </message>
    <message>
        <source>Enter a new name for the page.</source>
        <translation>Saisissez un nouveau nom pour la page.</translation>
    </message>
    <message>
        <source>Create new page</source>
        <translation>Créer une nouvelle page</translation>
    </message>
    <message>
        <source>Enter a name for the new page.</source>
        <translation>Saisissez un nom pour la nouvelle page.</translation>
    </message>
    <message>
        <source>create</source>
        <translation>créer</translation>
    </message>
    <message>
        <source>Deleting a page will also delete all the diagrams on the page.<byte value="xd"/>Are you sure you want to delete %1</source>
        <translation>Supprimer une page supprime aussi tous les schémas de cette page.<byte value="xd"/>Voulez-vous vraiment supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Open library file</source>
        <translation>Ouvrir un fichier de bibliothèque</translation>
    </message>
    <message>
        <source>Use the library %1?</source>
        <translation>Utiliser la bibliothèque %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Aucune imprimante n’est disponible.</translation>
    </message>
</context>
<context>
    <name>TQtUserPrompts</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Fill colour</source>
        <translation>Couleur de remplissage</translation>
    </message>
</context>
<context>
    <name>TShapeCommands</name>
    <message>
        <source>The graph could not be drawn on this paper.</source>
        <translation>Le graphique n’a pas pu être tracé sur ce papier.</translation>
    </message>
    <message>
        <source>Can&apos;t convert</source>
        <translation>Conversion impossible</translation>
    </message>
</context>
<context>
    <name>korvo::EFileError</name>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is too large.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: le fichier est trop volumineux.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: its content could not be made.</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: son contenu n&apos;a pas pu être produit.</translation>
    </message>
</context>
<context>
    <name>korvo::EReadError</name>
    <message>
        <source>it ends before its data is complete</source>
        <translation>il se termine avant que ses données soient complètes</translation>
    </message>
    <message>
        <source>it holds an impossible count or length</source>
        <translation>il contient un nombre ou une longueur impossible</translation>
    </message>
    <message>
        <source>its groups are nested more than 1000 levels deep</source>
        <translation>ses groupes sont imbriqués sur plus de 1000 niveaux</translation>
    </message>
</context>
<context>
    <name>korvo::LibraryNames</name>
    <message>
        <source>Biology</source>
        <translation>Biologie</translation>
    </message>
    <message>
        <source>Animal cell</source>
        <translation>Cellule animale</translation>
    </message>
    <message>
        <source>Plant cell</source>
        <translation>Cellule végétale</translation>
    </message>
    <message>
        <source>Leaf, cross-section</source>
        <translation>Feuille, coupe transversale</translation>
    </message>
    <message>
        <source>Flower, parts</source>
        <translation>Fleur, organes</translation>
    </message>
    <message>
        <source>Root hair cell</source>
        <translation>Cellule de poil absorbant</translation>
    </message>
    <message>
        <source>Red blood cell</source>
        <translation>Globule rouge</translation>
    </message>
    <message>
        <source>Neurone</source>
        <translation>Neurone</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Microscope</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Petri dish</source>
        <translation>Boîte de Petri</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Lungs</source>
        <translation>Poumons</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Wire junction</source>
        <translation>Nœud de connexion</translation>
    </message>
    <message>
        <source>Wires crossing, not joined</source>
        <translation>Fils croisés, non connectés</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Pile</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Switch, open</source>
        <translation>Interrupteur ouvert</translation>
    </message>
    <message>
        <source>Switch, closed</source>
        <translation>Interrupteur fermé</translation>
    </message>
    <message>
        <source>Push switch</source>
        <translation>Bouton-poussoir</translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation>Résistance</translation>
    </message>
    <message>
        <source>Variable resistor</source>
        <translation>Résistance variable</translation>
    </message>
    <message>
        <source>Fuse</source>
        <translation>Fusible</translation>
    </message>
    <message>
        <source>Ammeter</source>
        <translation>Ampèremètre</translation>
    </message>
    <message>
        <source>Voltmeter</source>
        <translation>Voltmètre</translation>
    </message>
    <message>
        <source>Galvanometer</source>
        <translation>Galvanomètre</translation>
    </message>
    <message>
        <source>Diode</source>
        <translation>Diode</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>DEL</translation>
    </message>
    <message>
        <source>LDR</source>
        <translation>Photorésistance</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Thermistance</translation>
    </message>
    <message>
        <source>Capacitor</source>
        <translation>Condensateur</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Générateur</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Sonnerie</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Haut-parleur</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation>Transformateur</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>a.c. supply</source>
        <translation>Alimentation alternative</translation>
    </message>
    <message>
        <source>d.c. supply</source>
        <translation>Alimentation continue</translation>
    </message>
    <message>
        <source>Forces and motion</source>
        <translation>Forces et mouvement</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Ressort</translation>
    </message>
    <message>
        <source>Spring balance</source>
        <translation>Peson</translation>
    </message>
    <message>
        <source>Newton meter</source>
        <translation>Dynamomètre</translation>
    </message>
    <message>
        <source>Pulley</source>
        <translation>Poulie</translation>
    </message>
    <message>
        <source>Slotted mass</source>
        <translation>Masse à encoche</translation>
    </message>
    <message>
        <source>Slotted masses on hanger</source>
        <translation>Masses à encoche sur porte-masses</translation>
    </message>
    <message>
        <source>Trolley</source>
        <translation>Chariot</translation>
    </message>
    <message>
        <source>Ramp</source>
        <translation>Plan incliné</translation>
    </message>
    <message>
        <source>Force arrow, 1 cm</source>
        <translation>Flèche de force, 1 cm</translation>
    </message>
    <message>
        <source>Force arrow, 2 cm</source>
        <translation>Flèche de force, 2 cm</translation>
    </message>
    <message>
        <source>Force arrow, 3 cm</source>
        <translation>Flèche de force, 3 cm</translation>
    </message>
    <message>
        <source>Force arrow, 4 cm</source>
        <translation>Flèche de force, 4 cm</translation>
    </message>
    <message>
        <source>Force arrow, 5 cm</source>
        <translation>Flèche de force, 5 cm</translation>
    </message>
    <message>
        <source>Pendulum</source>
        <translation>Pendule</translation>
    </message>
    <message>
        <source>Lever and pivot</source>
        <translation>Levier et pivot</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Glassware</source>
        <translation>Verrerie</translation>
    </message>
    <message>
        <source>Beaker, small</source>
        <translation>Bécher, petit</translation>
    </message>
    <message>
        <source>Beaker, large</source>
        <translation>Bécher, grand</translation>
    </message>
    <message>
        <source>Conical flask</source>
        <translation>Erlenmeyer</translation>
    </message>
    <message>
        <source>Round-bottom flask</source>
        <translation>Ballon à fond rond</translation>
    </message>
    <message>
        <source>Flat-bottom flask</source>
        <translation>Ballon à fond plat</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tube à essai</translation>
    </message>
    <message>
        <source>Boiling tube</source>
        <translation>Grand tube à essai</translation>
    </message>
    <message>
        <source>Test tube rack</source>
        <translation>Portoir à tubes à essai</translation>
    </message>
    <message>
        <source>Measuring cylinder</source>
        <translation>Éprouvette graduée</translation>
    </message>
    <message>
        <source>Burette</source>
        <translation>Burette</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Dropping pipette</source>
        <translation>Pipette compte-gouttes</translation>
    </message>
    <message>
        <source>Filter funnel</source>
        <translation>Entonnoir</translation>
    </message>
    <message>
        <source>Filter funnel with filter paper</source>
        <translation>Entonnoir avec papier filtre</translation>
    </message>
    <message>
        <source>Thistle funnel</source>
        <translation>Tube de sécurité à entonnoir</translation>
    </message>
    <message>
        <source>Separating funnel</source>
        <translation>Ampoule à décanter</translation>
    </message>
    <message>
        <source>Büchner funnel</source>
        <translation>Entonnoir Büchner</translation>
    </message>
    <message>
        <source>Büchner flask</source>
        <translation>Fiole à vide</translation>
    </message>
    <message>
        <source>Liebig condenser</source>
        <translation>Réfrigérant droit (Liebig)</translation>
    </message>
    <message>
        <source>Evaporating basin</source>
        <translation>Capsule d&apos;évaporation</translation>
    </message>
    <message>
        <source>Crucible and lid</source>
        <translation>Creuset et couvercle</translation>
    </message>
    <message>
        <source>Watch glass</source>
        <translation>Verre de montre</translation>
    </message>
    <message>
        <source>Gas jar and lid</source>
        <translation>Flacon à gaz et couvercle</translation>
    </message>
    <message>
        <source>Trough</source>
        <translation>Cuve à eau</translation>
    </message>
    <message>
        <source>Beehive shelf</source>
        <translation>Support de flacon (cuve à eau)</translation>
    </message>
    <message>
        <source>Delivery tube, straight</source>
        <translation>Tube à dégagement, droit</translation>
    </message>
    <message>
        <source>Delivery tube, right-angled</source>
        <translation>Tube à dégagement, coudé à angle droit</translation>
    </message>
    <message>
        <source>Delivery tube, bent</source>
        <translation>Tube à dégagement, courbé</translation>
    </message>
    <message>
        <source>Delivery tube, U-shaped</source>
        <translation>Tube à dégagement, en U</translation>
    </message>
    <message>
        <source>Gas syringe</source>
        <translation>Seringue à gaz</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Thermomètre</translation>
    </message>
    <message>
        <source>Stopper</source>
        <translation>Bouchon</translation>
    </message>
    <message>
        <source>Stopper, one hole</source>
        <translation>Bouchon, un trou</translation>
    </message>
    <message>
        <source>Stopper, two holes</source>
        <translation>Bouchon, deux trous</translation>
    </message>
    <message>
        <source>Heating and support</source>
        <translation>Chauffage et support</translation>
    </message>
    <message>
        <source>Bunsen burner</source>
        <translation>Bec Bunsen</translation>
    </message>
    <message>
        <source>Bunsen burner, air hole open</source>
        <translation>Bec Bunsen, virole ouverte</translation>
    </message>
    <message>
        <source>Bunsen burner, air hole closed</source>
        <translation>Bec Bunsen, virole fermée</translation>
    </message>
    <message>
        <source>Spirit lamp</source>
        <translation>Lampe à alcool</translation>
    </message>
    <message>
        <source>Tripod</source>
        <translation>Trépied</translation>
    </message>
    <message>
        <source>Gauze</source>
        <translation>Toile métallique</translation>
    </message>
    <message>
        <source>Gauze, seen from above</source>
        <translation>Toile métallique, vue de dessus</translation>
    </message>
    <message>
        <source>Pipe-clay triangle</source>
        <translation>Triangle en terre de pipe</translation>
    </message>
    <message>
        <source>Clamp stand</source>
        <translation>Support (statif)</translation>
    </message>
    <message>
        <source>Boss and clamp</source>
        <translation>Noix et pince</translation>
    </message>
    <message>
        <source>Clamp stand with boss and clamp</source>
        <translation>Support avec noix et pince</translation>
    </message>
    <message>
        <source>Heat-proof mat</source>
        <translation>Plaque isolante</translation>
    </message>
    <message>
        <source>Water bath</source>
        <translation>Bain-marie</translation>
    </message>
    <message>
        <source>Tongs</source>
        <translation>Pince à creuset</translation>
    </message>
    <message>
        <source>Test tube holder</source>
        <translation>Pince en bois</translation>
    </message>
    <message>
        <source>Optics and waves</source>
        <translation>Optique et ondes</translation>
    </message>
    <message>
        <source>Converging lens</source>
        <translation>Lentille convergente</translation>
    </message>
    <message>
        <source>Diverging lens</source>
        <translation>Lentille divergente</translation>
    </message>
    <message>
        <source>Converging lens (ray diagram)</source>
        <translation>Lentille convergente (schéma)</translation>
    </message>
    <message>
        <source>Diverging lens (ray diagram)</source>
        <translation>Lentille divergente (schéma)</translation>
    </message>
    <message>
        <source>Plane mirror</source>
        <translation>Miroir plan</translation>
    </message>
    <message>
        <source>Concave mirror</source>
        <translation>Miroir concave</translation>
    </message>
    <message>
        <source>Convex mirror</source>
        <translation>Miroir convexe</translation>
    </message>
    <message>
        <source>Rectangular glass block</source>
        <translation>Bloc de verre rectangulaire</translation>
    </message>
    <message>
        <source>Semicircular glass block</source>
        <translation>Bloc de verre semi-circulaire</translation>
    </message>
    <message>
        <source>Triangular glass block</source>
        <translation>Bloc de verre triangulaire</translation>
    </message>
    <message>
        <source>Prism</source>
        <translation>Prisme</translation>
    </message>
    <message>
        <source>Ray box</source>
        <translation>Boîte à rayons</translation>
    </message>
    <message>
        <source>Light ray</source>
        <translation>Rayon lumineux</translation>
    </message>
    <message>
        <source>Light rays, parallel</source>
        <translation>Rayons lumineux parallèles</translation>
    </message>
    <message>
        <source>Object (arrow)</source>
        <translation>Objet (flèche)</translation>
    </message>
    <message>
        <source>Eye</source>
        <translation>Œil</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Wave, transverse</source>
        <translation>Onde transversale</translation>
    </message>
    <message>
        <source>Wave, longitudinal</source>
        <translation>Onde longitudinale</translation>
    </message>
    <message>
        <source>Barrier with slit</source>
        <translation>Écran à fente</translation>
    </message>
    <message>
        <source>Barrier with double slit</source>
        <translation>Écran à double fente</translation>
    </message>
    <message>
        <source>Earth and space</source>
        <translation>La Terre et l&apos;espace</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Planets in a row</source>
        <translation>Planètes alignées</translation>
    </message>
    <message>
        <source>Earth with axis</source>
        <translation>Terre avec son axe</translation>
    </message>
    <message>
        <source>Moon phases</source>
        <translation>Phases de la Lune</translation>
    </message>
    <message>
        <source>Plotting compass</source>
        <translation>Petite boussole</translation>
    </message>
    <message>
        <source>Bar magnet</source>
        <translation>Aimant droit</translation>
    </message>
    <message>
        <source>Horseshoe magnet</source>
        <translation>Aimant en U</translation>
    </message>
</context>
<context>
    <name>korvo::PageExport</name>
    <message>
        <source>The page is too large to render at this scale.</source>
        <translation>La page est trop grande pour être rendue à cette échelle.</translation>
    </message>
</context>
<context>
    <name>korvo::PlotExpression</name>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1&#xa0;: %2 à la position %3</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus de %1 caractères</translation>
    </message>
    <message>
        <source>empty expression</source>
        <translation>expression vide</translation>
    </message>
    <message>
        <source>unexpected end</source>
        <translation>fin inattendue</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>%1 inattendu</translation>
    </message>
    <message>
        <source>nested too deeply</source>
        <translation>imbrication trop profonde</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>number too large</source>
        <translation>nombre trop grand</translation>
    </message>
    <message>
        <source>unknown name %1</source>
        <translation>nom inconnu %1</translation>
    </message>
    <message>
        <source>( expected after %1</source>
        <translation>( attendue après %1</translation>
    </message>
</context>
<context>
    <name>korvo::SvgImport</name>
    <message>
        <source>The picture declares more than %1 entities.</source>
        <translation>L&apos;image déclare plus de %1 entités.</translation>
    </message>
    <message>
        <source>The picture declares an entity outside the file, which Korvo never reads.</source>
        <translation>L&apos;image déclare une entité hors du fichier, ce que Korvo ne lit jamais.</translation>
    </message>
    <message>
        <source>The picture&apos;s entities expand to more than %1 characters.</source>
        <translation>Les entités de l&apos;image produisent plus de %1 caractères.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Le fichier dépasse %1 Mo.</translation>
    </message>
    <message>
        <source>%n bitmap</source>
        <translation>%n image matricielle</translation>
    </message>
    <message>
        <source>%n bitmaps</source>
        <translation>%n images matricielles</translation>
    </message>
    <message>
        <source>%n filter</source>
        <translation>%n filtre</translation>
    </message>
    <message>
        <source>%n filters</source>
        <translation>%n filtres</translation>
    </message>
    <message>
        <source>%n pattern</source>
        <translation>%n motif</translation>
    </message>
    <message>
        <source>%n patterns</source>
        <translation>%n motifs</translation>
    </message>
    <message>
        <source>%n clipping or mask</source>
        <translation>%n détourage ou masque</translation>
    </message>
    <message>
        <source>%n clippings or masks</source>
        <translation>%n détourages ou masques</translation>
    </message>
    <message>
        <source>%n text with characters Korvo cannot hold</source>
        <translation>%n texte avec des caractères que Korvo ne peut pas conserver</translation>
    </message>
    <message>
        <source>%n texts with characters Korvo cannot hold</source>
        <translation>%n textes avec des caractères que Korvo ne peut pas conserver</translation>
    </message>
    <message>
        <source>%n other part</source>
        <translation>%n autre élément</translation>
    </message>
    <message>
        <source>%n other parts</source>
        <translation>%n autres éléments</translation>
    </message>
    <message>
        <source>%n part of the picture could not be taken in: %1</source>
        <translation>%n élément de l&apos;image n&apos;a pas pu être repris&#xa0;: %1</translation>
    </message>
    <message>
        <source>%n parts of the picture could not be taken in: %1</source>
        <translation>%n éléments de l&apos;image n&apos;ont pas pu être repris&#xa0;: %1</translation>
    </message>
    <message>
        <source>The compressed picture could not be opened.</source>
        <translation>L&apos;image compressée n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The compressed picture inflates to more than %1 MB.</source>
        <translation>L&apos;image compressée dépasse %1 Mo une fois décompressée.</translation>
    </message>
    <message>
        <source>The compressed picture is damaged.</source>
        <translation>L&apos;image compressée est endommagée.</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is negative or larger than %1 m.</source>
        <translation>La largeur ou la hauteur de l&apos;image est négative ou dépasse %1 m.</translation>
    </message>
    <message>
        <source>The picture draws more than %1 elements.</source>
        <translation>L&apos;image dessine plus de %1 éléments.</translation>
    </message>
    <message>
        <source>The picture&apos;s &lt;use&gt; elements refer to each other in a loop.</source>
        <translation>Les éléments &lt;use&gt; de l&apos;image se référencent en boucle.</translation>
    </message>
    <message>
        <source>The picture nests &lt;use&gt; elements more than %1 deep.</source>
        <translation>L&apos;image imbrique des éléments &lt;use&gt; sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The picture has more than %1 points.</source>
        <translation>L&apos;image comporte plus de %1 points.</translation>
    </message>
    <message>
        <source>The picture&apos;s &lt;tref&gt; elements copy more than %1 characters of text.</source>
        <translation>Les éléments &lt;tref&gt; de l&apos;image copient plus de %1 caractères de texte.</translation>
    </message>
    <message>
        <source>The picture uses the entity &apos;%1&apos;, which it does not declare.</source>
        <translation>L&apos;image utilise l&apos;entité «&#xa0;%1&#xa0;», qu&apos;elle ne déclare pas.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation>Le fichier n&apos;est pas un XML bien formé (ligne %1&#xa0;: %2).</translation>
    </message>
    <message>
        <source>The file is not an SVG picture: it has no &lt;svg&gt; element.</source>
        <translation>Le fichier n&apos;est pas une image SVG&#xa0;: il n&apos;a pas d&apos;élément &lt;svg&gt;.</translation>
    </message>
    <message>
        <source>The picture has more than %1 elements.</source>
        <translation>L&apos;image comporte plus de %1 éléments.</translation>
    </message>
    <message>
        <source>The picture nests elements more than %1 deep.</source>
        <translation>L&apos;image imbrique des éléments sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The file is not an SVG picture: its root element is &lt;%1&gt;.</source>
        <translation>Le fichier n&apos;est pas une image SVG&#xa0;: son élément racine est &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>korvo::TAboutFrm</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Logiciel libre sous GNU General Public License, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Korvo on the web</source>
        <translation>Korvo sur le Web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Korvo</translation>
    </message>
    <message>
        <source>Drawing for school science teaching.
Tell us what you think on the web page.</source>
        <translation>Le dessin pour l’enseignement des sciences.
Donnez-nous votre avis sur la page Web.</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>korvo::TAutosave</name>
    <message>
        <source>The drawing could not be kept for recovery after a crash. %1</source>
        <translation>Le dessin n’a pas pu être conservé pour une récupération après un plantage. %1</translation>
    </message>
</context>
<context>
    <name>korvo::TControlText</name>
    <message>
        <source>Selection tool</source>
        <translation>Outil de sélection</translation>
    </message>
    <message>
        <source>node</source>
        <translation>nœud</translation>
    </message>
    <message>
        <source>Bezier slection tool</source>
        <translation>Outil de sélection de Bézier</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>cercle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>polygon</source>
        <translation>polygone</translation>
    </message>
    <message>
        <source>Closed polygon</source>
        <translation>Polygone fermé</translation>
    </message>
    <message>
        <source>polyline</source>
        <translation>polyligne</translation>
    </message>
    <message>
        <source>Open polygon</source>
        <translation>Polygone ouvert</translation>
    </message>
    <message>
        <source>line</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Ligne droite</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>curve</source>
        <translation>courbe</translation>
    </message>
    <message>
        <source>Single curve</source>
        <translation>Courbe simple</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onde</translation>
    </message>
    <message>
        <source>tube</source>
        <translation>tube</translation>
    </message>
    <message>
        <source>Straight tube</source>
        <translation>Tube droit</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>bend</source>
        <translation>coude</translation>
    </message>
    <message>
        <source>Tube bend</source>
        <translation>Tube coudé</translation>
    </message>
    <message>
        <source>graph</source>
        <translation>quadrillage</translation>
    </message>
    <message>
        <source>Graph paper</source>
        <translation>Papier millimétré</translation>
    </message>
    <message>
        <source>dropper</source>
        <translation>pipette</translation>
    </message>
    <message>
        <source>Select a colour</source>
        <translation>Prélever une couleur</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new blank drawing</source>
        <translation>Créer un nouveau dessin vierge</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing drawing</source>
        <translation>Ouvrir un dessin existant</translation>
    </message>
    <message>
        <source>Reopen..</source>
        <translation>Rouvrir..</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the current drawing</source>
        <translation>Enregistrer le dessin en cours</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save library as</source>
        <translation>Enregistrer la bibliothèque sous</translation>
    </message>
    <message>
        <source>Use another library</source>
        <translation>Utiliser une autre bibliothèque</translation>
    </message>
    <message>
        <source>Import..</source>
        <translation>Importer..</translation>
    </message>
    <message>
        <source>Import picture...</source>
        <translation>Importer une image...</translation>
    </message>
    <message>
        <source>Take in an SVG picture as shapes</source>
        <translation>Reprendre une image SVG sous forme de formes</translation>
    </message>
    <message>
        <source>Export selected as metafile</source>
        <translation>Exporter la sélection en métafichier</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <translation>Imprimer le dessin</translation>
    </message>
    <message>
        <source>Print selected</source>
        <translation>Imprimer la sélection</translation>
    </message>
    <message>
        <source>Printer setup</source>
        <translation>Configuration de l’imprimante</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo the last action undone</source>
        <translation>Rétablir la dernière action annulée</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut selected items</source>
        <translation>Couper les éléments sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy selected items</source>
        <translation>Copier les éléments sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Clear background picture</source>
        <translation>Effacer l’image d’arrière-plan</translation>
    </message>
    <message>
        <source>Rotate..</source>
        <translation>Rotation..</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Mise à l’échelle</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Aligner</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Show library</source>
        <translation>Afficher la bibliothèque</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>The library&apos;s thumbnail size.</extracomment>
        <translation>Petites</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grandes</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Show / hide the grid</source>
        <translation>Afficher / masquer la grille</translation>
    </message>
    <message>
        <source>Snap to grid</source>
        <translation>Aligner sur la grille</translation>
    </message>
    <message>
        <source>Use special cursors</source>
        <translation>Utiliser des curseurs spéciaux</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>A colour theme of the window.</extracomment>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Search for help on</source>
        <translation>Rechercher de l’aide sur</translation>
    </message>
    <message>
        <source>Drawing simple shapes</source>
        <translation>Dessiner des formes simples</translation>
    </message>
    <message>
        <source>Drawing circuit diagrams</source>
        <translation>Dessiner des schémas électriques</translation>
    </message>
    <message>
        <source>Assembling glassware</source>
        <translation>Assembler la verrerie</translation>
    </message>
    <message>
        <source>Drawing biological diagrams</source>
        <translation>Dessiner des schémas de biologie</translation>
    </message>
    <message>
        <source>Drawing a beaker</source>
        <translation>Dessiner un bécher</translation>
    </message>
    <message>
        <source>Drawing connecting tubes</source>
        <translation>Dessiner des tubes de raccordement</translation>
    </message>
    <message>
        <source>Plotting the results of an experiment</source>
        <translation>Tracer les résultats d’une expérience</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>help</source>
        <translation>aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>group</source>
        <translation>grouper</translation>
    </message>
    <message>
        <source>Group selected shapes</source>
        <translation>Grouper les formes sélectionnées</translation>
    </message>
    <message>
        <source>ungroup</source>
        <translation>dissocier</translation>
    </message>
    <message>
        <source>Ungroup selected shapes</source>
        <translation>Dissocier les formes sélectionnées</translation>
    </message>
    <message>
        <source>to front</source>
        <translation>au premier plan</translation>
    </message>
    <message>
        <source>Move selected shapes to the front</source>
        <translation>Mettre les formes sélectionnées au premier plan</translation>
    </message>
    <message>
        <source>to back</source>
        <translation>à l’arrière-plan</translation>
    </message>
    <message>
        <source>Move selected shapes to the back</source>
        <translation>Mettre les formes sélectionnées à l’arrière-plan</translation>
    </message>
    <message>
        <source>move back</source>
        <translation>reculer</translation>
    </message>
    <message>
        <source>Move selected shapes back one layer</source>
        <translation>Reculer les formes sélectionnées d’un plan</translation>
    </message>
    <message>
        <source>move forward</source>
        <translation>avancer</translation>
    </message>
    <message>
        <source>Move selected shapes forward one layer</source>
        <translation>Avancer les formes sélectionnées d’un plan</translation>
    </message>
    <message>
        <source>rotate</source>
        <translation>faire pivoter</translation>
    </message>
    <message>
        <source>Rotate selected shapes anti-clockwise</source>
        <translation>Faire pivoter les formes sélectionnées dans le sens inverse des aiguilles d’une montre</translation>
    </message>
    <message>
        <source>Rotate selected shapes clockwise</source>
        <translation>Faire pivoter les formes sélectionnées dans le sens des aiguilles d’une montre</translation>
    </message>
    <message>
        <source>H mirror</source>
        <translation>Miroir H</translation>
    </message>
    <message>
        <source>Mirror selected shapes horizontally</source>
        <translation>Retourner les formes sélectionnées horizontalement</translation>
    </message>
    <message>
        <source>V Mirror</source>
        <translation>Miroir V</translation>
    </message>
    <message>
        <source>Mirror selected shapes vertically</source>
        <translation>Retourner les formes sélectionnées verticalement</translation>
    </message>
    <message>
        <source>Line styles</source>
        <translation>Styles de trait</translation>
    </message>
    <message>
        <source>Line ending styles</source>
        <translation>Extrémités de trait</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Rotate the selected shape</source>
        <translation>Faire pivoter la forme sélectionnée</translation>
    </message>
    <message>
        <source>Apply to copy</source>
        <translation>Appliquer à une copie</translation>
    </message>
    <message>
        <source>Rotate a copy of the selected shape</source>
        <translation>Faire pivoter une copie de la forme sélectionnée</translation>
    </message>
    <message>
        <source>Scale the selected shapes</source>
        <translation>Mettre à l’échelle les formes sélectionnées</translation>
    </message>
    <message>
        <source>Copy and scale the selected shapes</source>
        <translation>Copier et mettre à l’échelle les formes sélectionnées</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The alignment tool bar&apos;s button that aligns centres; a letter or two.</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>Align centres of selected shapes</source>
        <translation>Aligner les centres des formes sélectionnées</translation>
    </message>
    <message>
        <source>VC</source>
        <extracomment>Aligns centres vertically; a letter or two.</extracomment>
        <translation>CV</translation>
    </message>
    <message>
        <source>Align centres of selected shapes vertically</source>
        <translation>Aligner verticalement les centres des formes sélectionnées</translation>
    </message>
    <message>
        <source>HC</source>
        <extracomment>Aligns centres horizontally; a letter or two.</extracomment>
        <translation>CH</translation>
    </message>
    <message>
        <source>Align centres of selected shapes horizontally</source>
        <translation>Aligner horizontalement les centres des formes sélectionnées</translation>
    </message>
    <message>
        <source>L</source>
        <extracomment>Aligns left edges; a letter.</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>Align left edges of selected shapes</source>
        <translation>Aligner les bords gauches des formes sélectionnées</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>Aligns right edges; a letter.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>Align right edges of selected shapes</source>
        <translation>Aligner les bords droits des formes sélectionnées</translation>
    </message>
    <message>
        <source>T</source>
        <extracomment>Aligns top edges; a letter.</extracomment>
        <translation>H</translation>
    </message>
    <message>
        <source>Align top edges of selected shapes</source>
        <translation>Aligner les bords supérieurs des formes sélectionnées</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>Aligns bottom edges; a letter.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Align bottom edges of selected shapes</source>
        <translation>Aligner les bords inférieurs des formes sélectionnées</translation>
    </message>
    <message>
        <source>Create a polygon with </source>
        <extracomment>Followed by the number of sides and the word &quot;sides&quot;.</extracomment>
        <translation>Créer un polygone à </translation>
    </message>
    <message>
        <source>Draw a polygon</source>
        <translation>Dessiner un polygone</translation>
    </message>
    <message>
        <source>Convert to polygon</source>
        <translation>Convertir en polygone</translation>
    </message>
    <message>
        <source>Convert to polyline</source>
        <translation>Convertir en polyligne</translation>
    </message>
    <message>
        <source>Convert to open curve</source>
        <translation>Convertir en courbe ouverte</translation>
    </message>
    <message>
        <source>Convert to closed curve</source>
        <translation>Convertir en courbe fermée</translation>
    </message>
    <message>
        <source>Convert to pentagon</source>
        <translation>Convertir en pentagone</translation>
    </message>
    <message>
        <source>Convert to hexagon</source>
        <translation>Convertir en hexagone</translation>
    </message>
    <message>
        <source>Convert to star</source>
        <translation>Convertir en étoile</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Edit graph paper..</source>
        <translation>Modifier le papier millimétré..</translation>
    </message>
    <message>
        <source>Plot graph...</source>
        <translation>Tracer le graphique...</translation>
    </message>
    <message>
        <source>Delete node</source>
        <translation>Supprimer le nœud</translation>
    </message>
    <message>
        <source>Add node</source>
        <translation>Ajouter un nœud</translation>
    </message>
    <message>
        <source>Change page order</source>
        <translation>Modifier l’ordre des pages</translation>
    </message>
    <message>
        <source>Change the page order</source>
        <translation>Modifier l’ordre des pages</translation>
    </message>
    <message>
        <source>New page</source>
        <translation>Nouvelle page</translation>
    </message>
    <message>
        <source>Insert a new page</source>
        <translation>Insérer une nouvelle page</translation>
    </message>
    <message>
        <source>Delete page</source>
        <translation>Supprimer la page</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move the picture up the page</source>
        <translation>Monter l’image dans la page</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move the picture down the page</source>
        <translation>Descendre l’image dans la page</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete entry</source>
        <translation>Supprimer l’entrée</translation>
    </message>
    <message>
        <source>Rename shape</source>
        <translation>Renommer la forme</translation>
    </message>
    <message>
        <source>Rename page</source>
        <translation>Renommer la page</translation>
    </message>
    <message>
        <source>Move to page</source>
        <translation>Déplacer vers la page</translation>
    </message>
    <message>
        <source>Add to library</source>
        <translation>Ajouter à la bibliothèque</translation>
    </message>
</context>
<context>
    <name>korvo::TDrawing</name>
    <message>
        <source>%1 cannot be imported. %2</source>
        <translation>%1 ne peut pas être importé. %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The picture holds nothing that Korvo can draw.</source>
        <translation>%1 ne peut pas être importé. L&apos;image ne contient rien que Korvo puisse dessiner.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire l&apos;image «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>korvo::TDrawingFile</name>
    <message>
        <source>&quot;%1&quot; is not a valid drawing file: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de dessin valide&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>korvo::TExportFrm</name>
    <message>
        <source>A library name can hold only Western European letters.</source>
        <translation>Un nom de bibliothèque ne peut contenir que des lettres d&apos;Europe occidentale.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>korvo::TFileCommands</name>
    <message>
        <source>Korvo files(*.kv)|*.kv</source>
        <translation>Fichiers Korvo(*.kv)|*.kv</translation>
    </message>
    <message>
        <source>Picture files(*.kv)|*.kv</source>
        <translation>Fichiers de dessin(*.kv)|*.kv</translation>
    </message>
    <message>
        <source>windows metafile(*.emf)|*.emf|SVG picture(*.svg)|*.svg|PDF document(*.pdf)|*.pdf|PNG picture(*.png)|*.png</source>
        <translation>Métafichier Windows(*.emf)|*.emf|Image SVG(*.svg)|*.svg|Document PDF(*.pdf)|*.pdf|Image PNG(*.png)|*.png</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png</source>
        <translation>Toutes (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|Fichier image JPEG (*.jpg)|*.jpg|Fichier image JPEG (*.jpeg)|*.jpeg|Images bitmap (*.bmp)|*.bmp|Fichier image PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>%1 has changed.<byte value="xd"/>Do you want to save the changes?</source>
        <translation>%1 a été modifié.<byte value="xd"/>Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>The current file has changed.<byte value="xd"/>Do you want to save the changes?</source>
        <translation>Le fichier actuel a été modifié.<byte value="xd"/>Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists; it has been taken off the list.</source>
        <translation>«&#xa0;%1&#xa0;» n’existe plus&#xa0;; il a été retiré de la liste.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Export as metafile</source>
        <translation>Exporter en métafichier</translation>
    </message>
</context>
<context>
    <name>korvo::TGridFrm</name>
    <message>
        <source>Graph paper settings</source>
        <translation>Réglages du papier millimétré</translation>
    </message>
    <message>
        <source>%1 mm squares</source>
        <translation>Carreaux de %1 mm</translation>
    </message>
    <message>
        <source> Grid spacing  </source>
        <translation> Taille des carreaux  </translation>
    </message>
    <message>
        <source> Major lines </source>
        <translation> Lignes principales </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>every  5</source>
        <translation>toutes les  5</translation>
    </message>
    <message>
        <source>every 10</source>
        <translation>toutes les 10</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>appliquer</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
</context>
<context>
    <name>korvo::THelpWindow</name>
    <message>
        <source>Korvo Help</source>
        <translation>Aide de Korvo</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation>Tapez le mot-clé à rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>korvo::TLibEditFrm</name>
    <message>
        <source>apply</source>
        <translation>appliquer</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
    <message>
        <source>Move to page...</source>
        <translation>Déplacer vers la page...</translation>
    </message>
    <message>
        <source>Available pages</source>
        <translation>Pages disponibles</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>To page</source>
        <translation>Vers la page</translation>
    </message>
</context>
<context>
    <name>korvo::TLibOrgFrm</name>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move library pages</source>
        <translation>Réorganiser les pages de la bibliothèque</translation>
    </message>
    <message>
        <source>Library pages</source>
        <translation>Pages de la bibliothèque</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>korvo::TLibraryPanel</name>
    <message>
        <source>Library page</source>
        <translation>Page de la bibliothèque</translation>
    </message>
    <message>
        <source>The page of the library whose pictures the list shows</source>
        <translation>La page de la bibliothèque dont la liste montre les images</translation>
    </message>
    <message>
        <source>Library shapes</source>
        <translation>Formes de la bibliothèque</translation>
    </message>
    <message>
        <source>Drag a picture onto the drawing area.</source>
        <translation>Faites glisser une image sur la zone de dessin.</translation>
    </message>
</context>
<context>
    <name>korvo::TLineStyleMenus</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>Pas de contour</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>pointillé</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Ligne pointillée</translation>
    </message>
    <message>
        <source>Solid line 1 pixel wide</source>
        <translation>Ligne continue de 1 pixel de large</translation>
    </message>
    <message>
        <source>Solid line 2 pixels wide</source>
        <translation>Ligne continue de 2 pixels de large</translation>
    </message>
    <message>
        <source>Solid line 3 pixels wide</source>
        <translation>Ligne continue de 3 pixels de large</translation>
    </message>
    <message>
        <source>Solid line 4 pixels wide</source>
        <translation>Ligne continue de 4 pixels de large</translation>
    </message>
    <message>
        <source>Solid line 5 pixels wide</source>
        <translation>Ligne continue de 5 pixels de large</translation>
    </message>
    <message>
        <source>No line ending</source>
        <translation>Pas d’extrémité</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>flèche</translation>
    </message>
    <message>
        <source>Full-size arrowhead</source>
        <translation>Pointe de flèche pleine taille</translation>
    </message>
    <message>
        <source>Three-quarter size arrowhead</source>
        <translation>Pointe de flèche aux trois quarts</translation>
    </message>
    <message>
        <source>Half-size arrowhead</source>
        <translation>Pointe de flèche demi-taille</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>point</translation>
    </message>
    <message>
        <source>Filled dot</source>
        <translation>Point plein</translation>
    </message>
    <message>
        <source>Line styles</source>
        <translation>Styles de trait</translation>
    </message>
    <message>
        <source>Line ending styles</source>
        <translation>Extrémités de trait</translation>
    </message>
</context>
<context>
    <name>korvo::TMainDrawFrm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Library thumbnail size</source>
        <translation>Taille des miniatures de la bibliothèque</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutoriels</translation>
    </message>
    <message>
        <source>Horizontal ruler</source>
        <translation>Règle horizontale</translation>
    </message>
    <message>
        <source>Vertical ruler</source>
        <translation>Règle verticale</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Library tools</source>
        <translation>Outils de la bibliothèque</translation>
    </message>
    <message>
        <source>Pointer position</source>
        <translation>Position du pointeur</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Discard all %1 drawings kept for recovery?</source>
        <translation>Abandonner les %1 dessins conservés pour la récupération&#xa0;?</translation>
    </message>
    <message>
        <source>Close %1</source>
        <translation>Fermer %1</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barre d’outils principale</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Rotation toolbar</source>
        <translation>Barre d’outils Rotation</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Angle de rotation</translation>
    </message>
    <message>
        <source>The rotation angle must be a number</source>
        <translation>L’angle de rotation doit être un nombre</translation>
    </message>
    <message>
        <source>Scale toolbar</source>
        <translation>Barre d’outils Échelle</translation>
    </message>
    <message>
        <source>Scale (%)</source>
        <translation>Échelle (%)</translation>
    </message>
    <message>
        <source>The scale must be a whole number from 10 to 200</source>
        <translation>L’échelle doit être un nombre entier de 10 à 200</translation>
    </message>
    <message>
        <source>Set the scale factor in %</source>
        <translation>Définir le facteur d’échelle en %</translation>
    </message>
    <message>
        <source>Aligment toolbar</source>
        <translation>Barre d’outils Alignement</translation>
    </message>
    <message>
        <source>Polygon toolbar</source>
        <translation>Barre d’outils Polygone</translation>
    </message>
    <message>
        <source>Set the number of sides</source>
        <translation>Définir le nombre de côtés</translation>
    </message>
    <message>
        <source>sides</source>
        <translation>côtés</translation>
    </message>
    <message>
        <source>Radius (mm)</source>
        <translation>Rayon (mm)</translation>
    </message>
    <message>
        <source>The radius must be a number from 10 to 200</source>
        <translation>Le rayon doit être un nombre de 10 à 200</translation>
    </message>
</context>
<context>
    <name>korvo::TPaintErrors</name>
    <message>
        <source>Node selection </source>
        <translation>Sélection de nœuds </translation>
    </message>
    <message>
        <source>Draw </source>
        <translation>Dessin </translation>
    </message>
</context>
<context>
    <name>korvo::TPalettePanel</name>
    <message>
        <source>Scroll the palette up</source>
        <translation>Faire défiler la palette vers le haut</translation>
    </message>
    <message>
        <source>Scroll the palette down</source>
        <translation>Faire défiler la palette vers le bas</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>Palette de couleurs</translation>
    </message>
    <message>
        <source>Click a colour to fill the selected shapes, right click to colour their outlines</source>
        <translation>Cliquez sur une couleur pour remplir les formes sélectionnées, clic droit pour colorer leurs contours</translation>
    </message>
    <message>
        <source>Fill with a colour of your choice</source>
        <translation>Remplir avec la couleur de votre choix</translation>
    </message>
</context>
<context>
    <name>korvo::TPicture</name>
    <message>
        <source>Pictures can be exported as .emf, .svg, .pdf or .png files only.</source>
        <translation>Les images ne peuvent être exportées qu&apos;en fichiers .emf, .svg, .pdf ou .png.</translation>
    </message>
</context>
<context>
    <name>korvo::TPictureImport</name>
    <message>
        <source>SVG pictures (*.svg *.svgz)|*.svg;*.svgz|SVG (*.svg)|*.svg|Compressed SVG (*.svgz)|*.svgz</source>
        <translation>Images SVG (*.svg *.svgz)|*.svg;*.svgz|SVG (*.svg)|*.svg|SVG compressé (*.svgz)|*.svgz</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>The picture on the clipboard</source>
        <translation>L’image du presse-papiers</translation>
    </message>
</context>
<context>
    <name>korvo::TPlotAxesPanel</name>
    <message>
        <source>Axes</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>Arrow heads</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>One square is worth</source>
        <translation>Un carreau vaut</translation>
    </message>
    <message>
        <source>One major line is worth</source>
        <translation>Une ligne principale vaut</translation>
    </message>
    <message>
        <source>at the major lines</source>
        <translation>aux lignes principales</translation>
    </message>
    <message>
        <source>every N squares</source>
        <translation>tous les N carreaux</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>in black</source>
        <translation>en noir</translation>
    </message>
    <message>
        <source>in the paper&apos;s colour</source>
        <translation>de la couleur du papier</translation>
    </message>
    <message>
        <source>t / s</source>
        <translation>t / s</translation>
    </message>
    <message>
        <source>v / m s^{-1}</source>
        <translation>v / m s^{-1}</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>x axis</source>
        <translation>axe des x</translation>
    </message>
    <message>
        <source>y axis</source>
        <translation>axe des y</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Graduations</translation>
    </message>
    <message>
        <source>the start of the x axis</source>
        <translation>le début de l’axe des x</translation>
    </message>
    <message>
        <source>the end of the x axis</source>
        <translation>la fin de l’axe des x</translation>
    </message>
    <message>
        <source>the start of the y axis</source>
        <translation>le début de l’axe des y</translation>
    </message>
    <message>
        <source>the end of the y axis</source>
        <translation>la fin de l’axe des y</translation>
    </message>
    <message>
        <source>the value along x</source>
        <translation>la valeur en x</translation>
    </message>
    <message>
        <source>the value along y</source>
        <translation>la valeur en y</translation>
    </message>
    <message>
        <source>Type a number for %1.</source>
        <translation>Saisissez un nombre pour %1.</translation>
    </message>
    <message>
        <source>The x axis must end at a larger value than it starts at.</source>
        <translation>L’axe des x doit finir à une valeur plus grande que celle où il commence.</translation>
    </message>
    <message>
        <source>The y axis must end at a larger value than it starts at.</source>
        <translation>L’axe des y doit finir à une valeur plus grande que celle où il commence.</translation>
    </message>
    <message>
        <source>The value of a square or a major line must be more than nothing.</source>
        <translation>La valeur d’un carreau ou d’une ligne principale doit être supérieure à zéro.</translation>
    </message>
</context>
<context>
    <name>korvo::TPlotCurvePanel</name>
    <message>
        <source>The first row was taken as a header.</source>
        <translation>La première ligne a été prise comme en-tête.</translation>
    </message>
    <message>
        <source>The table is longer than a graph keeps: shorten its rows or take fewer.</source>
        <translation>Le tableau est plus long que ce qu’un graphique peut garder&#xa0;: raccourcissez ses lignes ou prenez-en moins.</translation>
    </message>
    <message>
        <source>The table holds no points: type or paste two columns, x then y.</source>
        <translation>Le tableau ne contient aucun point&#xa0;: saisissez ou collez deux colonnes, x puis y.</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Measured points</source>
        <translation>Points mesurés</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Write on the graph</source>
        <translation>Écrire sur le graphique</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radians</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>× cross</source>
        <translation>× croix</translation>
    </message>
    <message>
        <source>+ plus</source>
        <translation>+ plus</translation>
    </message>
    <message>
        <source>○ ring</source>
        <translation>○ cercle</translation>
    </message>
    <message>
        <source>● dot</source>
        <translation>● point</translation>
    </message>
    <message>
        <source>□ square</source>
        <translation>□ carré</translation>
    </message>
    <message>
        <source>no line</source>
        <translation>aucune ligne</translation>
    </message>
    <message>
        <source>straight lines</source>
        <translation>segments de droite</translation>
    </message>
    <message>
        <source>smooth curve</source>
        <translation>courbe lissée</translation>
    </message>
    <message>
        <source>best-fit straight line</source>
        <translation>droite d’ajustement</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>continu</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>pointillé</translation>
    </message>
    <message>
        <source>y =</source>
        <translation>y =</translation>
    </message>
    <message>
        <source>x and y in two columns, separated by a tab, a semicolon or a comma</source>
        <translation>x et y en deux colonnes, séparées par une tabulation, un point-virgule ou une virgule</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Marqueurs</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>as it was</source>
        <translation>comme avant</translation>
    </message>
    <message>
        <source>Best-fit line: gradient %1, intercept %2</source>
        <translation>Droite d’ajustement&#xa0;: pente %1, ordonnée à l’origine %2</translation>
    </message>
    <message>
        <source>A best-fit line needs points at two different values of x.</source>
        <translation>Une droite d’ajustement demande des points à deux valeurs de x différentes.</translation>
    </message>
    <message>
        <source>%1 point.</source>
        <translation>%1 point.</translation>
    </message>
    <message>
        <source>%1 points.</source>
        <translation>%1 points.</translation>
    </message>
    <message>
        <source>%1 row that does not hold two numbers was skipped.</source>
        <translation>%1 ligne ne contenant pas deux nombres a été ignorée.</translation>
    </message>
    <message>
        <source>%1 rows that do not hold two numbers were skipped.</source>
        <translation>%1 lignes ne contenant pas deux nombres ont été ignorées.</translation>
    </message>
    <message>
        <source>Only the first %2 rows are taken: %1 more was left out.</source>
        <translation>Seules les %2 premières lignes sont prises&#xa0;: %1 de plus a été laissée de côté.</translation>
    </message>
    <message>
        <source>Only the first %2 rows are taken: %1 more were left out.</source>
        <translation>Seules les %2 premières lignes sont prises&#xa0;: %1 de plus ont été laissées de côté.</translation>
    </message>
    <message>
        <source>%1 point lies outside the axes and is left out.</source>
        <translation>%1 point se trouve hors des axes et n’est pas tracé.</translation>
    </message>
    <message>
        <source>%1 points lie outside the axes and are left out.</source>
        <translation>%1 points se trouvent hors des axes et ne sont pas tracés.</translation>
    </message>
</context>
<context>
    <name>korvo::TPlotFrm</name>
    <message>
        <source>y = %1</source>
        <translation>y = %1</translation>
    </message>
    <message>
        <source>measured points</source>
        <translation>points mesurés</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Plot graph</source>
        <translation>Tracer un graphique</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Courbes</translation>
    </message>
    <message>
        <source>Curve %1: %2</source>
        <translation>Courbe %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>korvo::TPolyLib</name>
    <message>
        <source>Invalid library file</source>
        <translation>Fichier de bibliothèque non valide</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: another Korvo window is writing it.</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: une autre fenêtre de Korvo est en train de l&apos;écrire.</translation>
    </message>
    <message>
        <source>The library was changed by another Korvo window. Load it again and repeat your change?</source>
        <translation>La bibliothèque a été modifiée dans une autre fenêtre de Korvo. La recharger et refaire votre modification&#xa0;?</translation>
    </message>
    <message>
        <source>The library has been left as it was.</source>
        <translation>La bibliothèque est restée inchangée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid library file: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de bibliothèque valide&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>korvo::TPrintPreviewFrm</name>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the print preview</source>
        <translation>Fermer l’aperçu avant impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Default position</source>
        <translation>Position par défaut</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Centre pict on page</source>
        <translation>Centrer l’image sur la page</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Fit picture to page</source>
        <translation>Ajuster l’image à la page</translation>
    </message>
    <message>
        <source>No printer is available</source>
        <translation>Aucune imprimante disponible</translation>
    </message>
    <message>
        <source>The current printer cannot print to A3 paper</source>
        <translation>L’imprimante actuelle ne peut pas imprimer sur du papier A3</translation>
    </message>
    <message>
        <source>The page is larger than the printer&apos;s paper</source>
        <translation>La page est plus grande que le papier de l’imprimante</translation>
    </message>
</context>
<context>
    <name>korvo::TRecoveryFrm</name>
    <message>
        <source>Recover unsaved drawings</source>
        <translation>Récupérer les dessins non enregistrés</translation>
    </message>
    <message>
        <source>Korvo ended without saving these drawings.</source>
        <translation>Korvo s’est arrêté sans enregistrer ces dessins.</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Discard all</source>
        <translation>Tout abandonner</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>korvo::TRecoveryStore</name>
    <message>
        <source>It could not be put aside and stays as &quot;%1&quot;.</source>
        <translation>Il n&apos;a pas pu être mis de côté et reste sous le nom «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The drawing kept for recovery has been put aside as &quot;%1&quot;.</source>
        <translation>Le dessin conservé pour la récupération a été mis de côté sous le nom «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid recovery description.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une description de récupération valide.</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot lock &quot;%1&quot;.</source>
        <translation>Impossible de verrouiller «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to read in the memory at hand.</source>
        <translation>«&#xa0;%1&#xa0;» est trop volumineux pour être lu avec la mémoire disponible.</translation>
    </message>
</context>
<context>
    <name>korvo::TSurfaceWidget</name>
    <message>
        <source>Drawing surface</source>
        <translation>Surface de dessin</translation>
    </message>
</context>
<context>
    <name>korvo::TTextFrm</name>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Tailles</translation>
    </message>
    <message>
        <source>style</source>
        <translation>style</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>U</source>
        <comment>underline</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Subscript: lowers the selected characters (%1)</source>
        <translation>Indice&#xa0;: abaisse les caractères sélectionnés (%1)</translation>
    </message>
    <message>
        <source>Superscript: raises the selected characters (%1)</source>
        <translation>Exposant&#xa0;: élève les caractères sélectionnés (%1)</translation>
    </message>
    <message>
        <source>Subscript</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation>Exposant</translation>
    </message>
    <message>
        <source>Chemical formula</source>
        <translation>Formule chimique</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>appliquer</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
    <message>
        <source>Text properties</source>
        <translation>Propriétés du texte</translation>
    </message>
    <message>
        <source>No single character set holds all of these characters; write them as separate texts.</source>
        <translation>Aucun jeu de caractères ne contient à lui seul tous ces caractères&#xa0;; écrivez-les dans des textes séparés.</translation>
    </message>
</context>
<context>
    <name>korvo::TToolInfo</name>
    <message>
        <source>Click to select a shape. Control click to multiselect,</source>
        <translation>Cliquez pour sélectionner une forme. Ctrl+clic pour en sélectionner plusieurs.</translation>
    </message>
    <message>
        <source>Click to add a point. Right click to end drawing</source>
        <translation>Cliquez pour ajouter un point. Clic droit pour terminer le tracé</translation>
    </message>
    <message>
        <source>Click to edit nodes</source>
        <translation>Cliquez pour modifier les nœuds</translation>
    </message>
    <message>
        <source>Click and drag to draw a rectangle.</source>
        <translation>Cliquez et faites glisser pour dessiner un rectangle.</translation>
    </message>
    <message>
        <source>Click and drag to draw a circle.</source>
        <translation>Cliquez et faites glisser pour dessiner un cercle.</translation>
    </message>
    <message>
        <source>Click and drag to draw a straight line</source>
        <translation>Cliquez et faites glisser pour tracer une ligne droite</translation>
    </message>
    <message>
        <source>Click and drag to draw a straight line ending in an arrow.</source>
        <translation>Cliquez et faites glisser pour tracer une ligne droite terminée par une flèche.</translation>
    </message>
    <message>
        <source>Click and drag to draw a curve</source>
        <translation>Cliquez et faites glisser pour tracer une courbe</translation>
    </message>
    <message>
        <source>Click and drag to draw a sine wave.</source>
        <translation>Cliquez et faites glisser pour tracer une sinusoïde.</translation>
    </message>
    <message>
        <source>Click and drag to draw a straight tube.</source>
        <translation>Cliquez et faites glisser pour dessiner un tube droit.</translation>
    </message>
    <message>
        <source>Click to add text</source>
        <translation>Cliquez pour ajouter du texte</translation>
    </message>
    <message>
        <source>Click and drag to draw a tube bend.</source>
        <translation>Cliquez et faites glisser pour dessiner un tube coudé.</translation>
    </message>
    <message>
        <source>Click and drag to draw a grid.</source>
        <translation>Cliquez et faites glisser pour dessiner un quadrillage.</translation>
    </message>
</context>
<context>
    <name>korvo::UndoStep</name>
    <message>
        <source>add object</source>
        <translation>l&apos;ajout d&apos;objet</translation>
    </message>
    <message>
        <source>create line</source>
        <translation>la création de ligne</translation>
    </message>
    <message>
        <source>create arrow</source>
        <translation>la création de flèche</translation>
    </message>
    <message>
        <source>create polygon</source>
        <translation>la création de polygone</translation>
    </message>
    <message>
        <source>create polyline</source>
        <translation>la création de ligne brisée</translation>
    </message>
    <message>
        <source>create circle</source>
        <translation>la création de cercle</translation>
    </message>
    <message>
        <source>create curve</source>
        <translation>la création de courbe</translation>
    </message>
    <message>
        <source>create text</source>
        <translation>la création de texte</translation>
    </message>
    <message>
        <source>create tube</source>
        <translation>la création de tube</translation>
    </message>
    <message>
        <source>create sine</source>
        <translation>la création de sinusoïde</translation>
    </message>
    <message>
        <source>move selection</source>
        <translation>le déplacement de la sélection</translation>
    </message>
    <message>
        <source>edit node</source>
        <translation>la modification de nœud</translation>
    </message>
    <message>
        <source>resize selection</source>
        <translation>le redimensionnement de la sélection</translation>
    </message>
    <message>
        <source>delete node</source>
        <translation>la suppression de nœud</translation>
    </message>
    <message>
        <source>group selection</source>
        <translation>le groupement de la sélection</translation>
    </message>
    <message>
        <source>ungroup selection</source>
        <translation>le dégroupement de la sélection</translation>
    </message>
    <message>
        <source>create rectangle</source>
        <translation>la création de rectangle</translation>
    </message>
    <message>
        <source>fill colour</source>
        <translation>la couleur de remplissage</translation>
    </message>
    <message>
        <source>line colour</source>
        <translation>la couleur de ligne</translation>
    </message>
    <message>
        <source>line style</source>
        <translation>le style de ligne</translation>
    </message>
    <message>
        <source>line ending style</source>
        <translation>le style d&apos;extrémité</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>la rotation</translation>
    </message>
    <message>
        <source>reflection</source>
        <translation>la symétrie</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>le collage</translation>
    </message>
    <message>
        <source>delete selection</source>
        <translation>la suppression de la sélection</translation>
    </message>
    <message>
        <source>move back one</source>
        <translation>le recul d&apos;un plan</translation>
    </message>
    <message>
        <source>move forward one</source>
        <translation>l&apos;avancée d&apos;un plan</translation>
    </message>
    <message>
        <source>move to back</source>
        <translation>la mise à l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>move to front</source>
        <translation>la mise au premier plan</translation>
    </message>
    <message>
        <source>convert to curve</source>
        <translation>la conversion en courbe</translation>
    </message>
    <message>
        <source>convert to polygon</source>
        <translation>la conversion en polygone</translation>
    </message>
    <message>
        <source>remove labels</source>
        <translation>la suppression des étiquettes</translation>
    </message>
    <message>
        <source>alignment</source>
        <translation>l&apos;alignement</translation>
    </message>
    <message>
        <source>convert to open polygon</source>
        <translation>la conversion en polygone ouvert</translation>
    </message>
    <message>
        <source>add node</source>
        <translation>l&apos;ajout de nœud</translation>
    </message>
    <message>
        <source>import picture</source>
        <translation>l&apos;importation d&apos;image</translation>
    </message>
    <message>
        <source>edit text</source>
        <translation>la modification du texte</translation>
    </message>
    <message>
        <source>plot graph</source>
        <translation>le tracé de graphique</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir %1</translation>
    </message>
</context>
</TS>
