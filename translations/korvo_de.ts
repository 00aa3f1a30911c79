<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EPrintError</name>
    <message>
        <source>The printer &quot;%1&quot; reports no paper size or resolution.</source>
        <translation>Der Drucker „%1“ meldet kein Papierformat und keine Auflösung.</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; could not start.</source>
        <translation>Der Druck auf „%1“ konnte nicht beginnen.</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; could not be finished.</source>
        <translation>Der Druck auf „%1“ konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The print service refused the job for &quot;%1&quot;: %2</source>
        <translation>Der Druckdienst hat den Auftrag für „%1“ abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>TLibraryCommands</name>
    <message>
        <source>Korvo library(*.kvl)|*.kvl</source>
        <translation>Korvo-Bibliothek(*.kvl)|*.kvl</translation>
    </message>
    <message>
        <source>library file %1 not found</source>
        <translation>Bibliotheksdatei %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Save library as</source>
        <translation>Bibliothek speichern unter</translation>
    </message>
    <message>
        <source>The library has no page yet. Make one with &quot;New page&quot; first.</source>
        <translation>Die Bibliothek hat noch keine Seite. Legen Sie zuerst mit „Neue Seite“ eine an.</translation>
    </message>
    <message>
        <source>Point at the shape to add to the library.</source>
        <translation>Zeigen Sie auf die Form, die in die Bibliothek aufgenommen werden soll.</translation>
    </message>
    <message>
        <source>Add selected shapes to &apos;%1&apos;</source>
        <translation>Ausgewählte Formen zu „%1“ hinzufügen</translation>
    </message>
    <message>
        <source>Add this shape to &apos;%1&apos;</source>
        <translation>Diese Form zu „%1“ hinzufügen</translation>
    </message>
    <message>
        <source>Add to library</source>
        <translation>Zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rename shape</source>
        <translation>Form umbenennen</translation>
    </message>
    <message>
        <source>Enter a new name for the selected shape.</source>
        <translation>Geben Sie einen neuen Namen für die ausgewählte Form ein.</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>übernehmen</translation>
    </message>
    <message>
        <source>Rename page</source>
        <translation>Seite umbenennen</translation>
    </message>
    <message>
        <source>Enter a new name for the page.</source>
        <translation>Geben Sie einen neuen Namen für die Seite ein.</translation>
    </message>
    <message>
        <source>Create new page</source>
        <translation>Neue Seite anlegen</translation>
    </message>
    <message>
        <source>Enter a name for the new page.</source>
        <translation>Geben Sie einen Namen für die neue Seite ein.</translation>
    </message>
    <message>
        <source>create</source>
        <translation>anlegen</translation>
    </message>
    <message>
        <source>Deleting a page will also delete all the diagrams on the page.<byte value="xd"/>Are you sure you want to delete %1</source>
        <translation>Beim Löschen einer Seite werden auch alle Abbildungen auf dieser Seite gelöscht.<byte value="xd"/>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Open library file</source>
        <translation>Bibliotheksdatei öffnen</translation>
    </message>
    <message>
        <source>Use the library %1?</source>
        <translation>Die Bibliothek %1 verwenden?</translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Es ist kein Drucker verfügbar.</translation>
    </message>
</context>
<context>
    <name>TQtUserPrompts</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Fill colour</source>
        <translation>Füllfarbe</translation>
    </message>
</context>
<context>
    <name>TShapeCommands</name>
    <message>
        <source>The graph could not be drawn on this paper.</source>
        <translation>Der Graph konnte auf diesem Papier nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Can&apos;t convert</source>
        <translation>Umwandlung nicht möglich</translation>
    </message>
</context>
<context>
    <name>korvo::EFileError</name>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist keine Datei.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is too large.</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: its content could not be made.</source>
        <translation>„%1“ kann nicht gespeichert werden: Der Inhalt konnte nicht erzeugt werden.</translation>
    </message>
</context>
<context>
    <name>korvo::EReadError</name>
    <message>
        <source>it ends before its data is complete</source>
        <translation>sie endet, bevor ihre Daten vollständig sind</translation>
    </message>
    <message>
        <source>it holds an impossible count or length</source>
        <translation>sie enthält eine unmögliche Anzahl oder Länge</translation>
    </message>
    <message>
        <source>its groups are nested more than 1000 levels deep</source>
        <translation>ihre Gruppen sind mehr als 1000 Ebenen tief verschachtelt</translation>
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
        <translation>Tierzelle</translation>
    </message>
    <message>
        <source>Plant cell</source>
        <translation>Pflanzenzelle</translation>
    </message>
    <message>
        <source>Leaf, cross-section</source>
        <translation>Blatt, Querschnitt</translation>
    </message>
    <message>
        <source>Flower, parts</source>
        <translation>Blüte, Aufbau</translation>
    </message>
    <message>
        <source>Root hair cell</source>
        <translation>Wurzelhaarzelle</translation>
    </message>
    <message>
        <source>Red blood cell</source>
        <translation>Rotes Blutkörperchen</translation>
    </message>
    <message>
        <source>Neurone</source>
        <translation>Nervenzelle</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Petri dish</source>
        <translation>Petrischale</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Lungs</source>
        <translation>Lunge</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Elektrizität</translation>
    </message>
    <message>
        <source>Wire junction</source>
        <translation>Leitungsverzweigung</translation>
    </message>
    <message>
        <source>Wires crossing, not joined</source>
        <translation>Leitungskreuzung, nicht verbunden</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Zelle</translation>
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
        <translation>Schalter, offen</translation>
    </message>
    <message>
        <source>Switch, closed</source>
        <translation>Schalter, geschlossen</translation>
    </message>
    <message>
        <source>Push switch</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Variable resistor</source>
        <translation>Veränderbarer Widerstand</translation>
    </message>
    <message>
        <source>Fuse</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Ammeter</source>
        <translation>Amperemeter</translation>
    </message>
    <message>
        <source>Voltmeter</source>
        <translation>Voltmeter</translation>
    </message>
    <message>
        <source>Galvanometer</source>
        <translation>Galvanometer</translation>
    </message>
    <message>
        <source>Diode</source>
        <translation>Diode</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>LDR</source>
        <translation>LDR (Fotowiderstand)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Thermistor</translation>
    </message>
    <message>
        <source>Capacitor</source>
        <translation>Kondensator</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Klingel</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation>Transformator</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erdung</translation>
    </message>
    <message>
        <source>a.c. supply</source>
        <translation>Wechselspannungsquelle</translation>
    </message>
    <message>
        <source>d.c. supply</source>
        <translation>Gleichspannungsquelle</translation>
    </message>
    <message>
        <source>Forces and motion</source>
        <translation>Kräfte und Bewegung</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Feder</translation>
    </message>
    <message>
        <source>Spring balance</source>
        <translation>Federwaage</translation>
    </message>
    <message>
        <source>Newton meter</source>
        <translation>Kraftmesser</translation>
    </message>
    <message>
        <source>Pulley</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Slotted mass</source>
        <translation>Schlitzgewicht</translation>
    </message>
    <message>
        <source>Slotted masses on hanger</source>
        <translation>Schlitzgewichte am Gewichtsteller</translation>
    </message>
    <message>
        <source>Trolley</source>
        <translation>Wagen</translation>
    </message>
    <message>
        <source>Ramp</source>
        <translation>Rampe</translation>
    </message>
    <message>
        <source>Force arrow, 1 cm</source>
        <translation>Kraftpfeil, 1 cm</translation>
    </message>
    <message>
        <source>Force arrow, 2 cm</source>
        <translation>Kraftpfeil, 2 cm</translation>
    </message>
    <message>
        <source>Force arrow, 3 cm</source>
        <translation>Kraftpfeil, 3 cm</translation>
    </message>
    <message>
        <source>Force arrow, 4 cm</source>
        <translation>Kraftpfeil, 4 cm</translation>
    </message>
    <message>
        <source>Force arrow, 5 cm</source>
        <translation>Kraftpfeil, 5 cm</translation>
    </message>
    <message>
        <source>Pendulum</source>
        <translation>Pendel</translation>
    </message>
    <message>
        <source>Lever and pivot</source>
        <translation>Hebel mit Drehpunkt</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Glassware</source>
        <translation>Glasgeräte</translation>
    </message>
    <message>
        <source>Beaker, small</source>
        <translation>Becherglas, klein</translation>
    </message>
    <message>
        <source>Beaker, large</source>
        <translation>Becherglas, groß</translation>
    </message>
    <message>
        <source>Conical flask</source>
        <translation>Erlenmeyerkolben</translation>
    </message>
    <message>
        <source>Round-bottom flask</source>
        <translation>Rundkolben</translation>
    </message>
    <message>
        <source>Flat-bottom flask</source>
        <translation>Stehkolben</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Reagenzglas</translation>
    </message>
    <message>
        <source>Boiling tube</source>
        <translation>Großes Reagenzglas</translation>
    </message>
    <message>
        <source>Test tube rack</source>
        <translation>Reagenzglasständer</translation>
    </message>
    <message>
        <source>Measuring cylinder</source>
        <translation>Messzylinder</translation>
    </message>
    <message>
        <source>Burette</source>
        <translation>Bürette</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Dropping pipette</source>
        <translation>Tropfpipette</translation>
    </message>
    <message>
        <source>Filter funnel</source>
        <translation>Trichter</translation>
    </message>
    <message>
        <source>Filter funnel with filter paper</source>
        <translation>Trichter mit Filterpapier</translation>
    </message>
    <message>
        <source>Thistle funnel</source>
        <translation>Trichterrohr</translation>
    </message>
    <message>
        <source>Separating funnel</source>
        <translation>Scheidetrichter</translation>
    </message>
    <message>
        <source>Büchner funnel</source>
        <translation>Büchnertrichter</translation>
    </message>
    <message>
        <source>Büchner flask</source>
        <translation>Saugflasche</translation>
    </message>
    <message>
        <source>Liebig condenser</source>
        <translation>Liebigkühler</translation>
    </message>
    <message>
        <source>Evaporating basin</source>
        <translation>Abdampfschale</translation>
    </message>
    <message>
        <source>Crucible and lid</source>
        <translation>Tiegel mit Deckel</translation>
    </message>
    <message>
        <source>Watch glass</source>
        <translation>Uhrglas</translation>
    </message>
    <message>
        <source>Gas jar and lid</source>
        <translation>Gaszylinder mit Deckel</translation>
    </message>
    <message>
        <source>Trough</source>
        <translation>Wanne</translation>
    </message>
    <message>
        <source>Beehive shelf</source>
        <translation>Brücke für Gasableitung</translation>
    </message>
    <message>
        <source>Delivery tube, straight</source>
        <translation>Glasrohr, gerade</translation>
    </message>
    <message>
        <source>Delivery tube, right-angled</source>
        <translation>Glasrohr, rechtwinklig</translation>
    </message>
    <message>
        <source>Delivery tube, bent</source>
        <translation>Glasrohr, gebogen</translation>
    </message>
    <message>
        <source>Delivery tube, U-shaped</source>
        <translation>Glasrohr, U-förmig</translation>
    </message>
    <message>
        <source>Gas syringe</source>
        <translation>Kolbenprober</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Thermometer</translation>
    </message>
    <message>
        <source>Stopper</source>
        <translation>Stopfen</translation>
    </message>
    <message>
        <source>Stopper, one hole</source>
        <translation>Stopfen, einfach durchbohrt</translation>
    </message>
    <message>
        <source>Stopper, two holes</source>
        <translation>Stopfen, zweifach durchbohrt</translation>
    </message>
    <message>
        <source>Heating and support</source>
        <translation>Erhitzen und Halten</translation>
    </message>
    <message>
        <source>Bunsen burner</source>
        <translation>Bunsenbrenner</translation>
    </message>
    <message>
        <source>Bunsen burner, air hole open</source>
        <translation>Bunsenbrenner, Luftzufuhr offen</translation>
    </message>
    <message>
        <source>Bunsen burner, air hole closed</source>
        <translation>Bunsenbrenner, Luftzufuhr geschlossen</translation>
    </message>
    <message>
        <source>Spirit lamp</source>
        <translation>Spiritusbrenner</translation>
    </message>
    <message>
        <source>Tripod</source>
        <translation>Dreifuß</translation>
    </message>
    <message>
        <source>Gauze</source>
        <translation>Drahtnetz</translation>
    </message>
    <message>
        <source>Gauze, seen from above</source>
        <translation>Drahtnetz, von oben</translation>
    </message>
    <message>
        <source>Pipe-clay triangle</source>
        <translation>Tondreieck</translation>
    </message>
    <message>
        <source>Clamp stand</source>
        <translation>Stativ</translation>
    </message>
    <message>
        <source>Boss and clamp</source>
        <translation>Muffe und Klemme</translation>
    </message>
    <message>
        <source>Clamp stand with boss and clamp</source>
        <translation>Stativ mit Muffe und Klemme</translation>
    </message>
    <message>
        <source>Heat-proof mat</source>
        <translation>Hitzeschutzplatte</translation>
    </message>
    <message>
        <source>Water bath</source>
        <translation>Wasserbad</translation>
    </message>
    <message>
        <source>Tongs</source>
        <translation>Tiegelzange</translation>
    </message>
    <message>
        <source>Test tube holder</source>
        <translation>Reagenzglashalter</translation>
    </message>
    <message>
        <source>Optics and waves</source>
        <translation>Optik und Wellen</translation>
    </message>
    <message>
        <source>Converging lens</source>
        <translation>Sammellinse</translation>
    </message>
    <message>
        <source>Diverging lens</source>
        <translation>Zerstreuungslinse</translation>
    </message>
    <message>
        <source>Converging lens (ray diagram)</source>
        <translation>Sammellinse (Strahlengang)</translation>
    </message>
    <message>
        <source>Diverging lens (ray diagram)</source>
        <translation>Zerstreuungslinse (Strahlengang)</translation>
    </message>
    <message>
        <source>Plane mirror</source>
        <translation>Ebener Spiegel</translation>
    </message>
    <message>
        <source>Concave mirror</source>
        <translation>Hohlspiegel</translation>
    </message>
    <message>
        <source>Convex mirror</source>
        <translation>Wölbspiegel</translation>
    </message>
    <message>
        <source>Rectangular glass block</source>
        <translation>Rechteckiger Glasblock</translation>
    </message>
    <message>
        <source>Semicircular glass block</source>
        <translation>Halbrunder Glaskörper</translation>
    </message>
    <message>
        <source>Triangular glass block</source>
        <translation>Dreieckiger Glasblock</translation>
    </message>
    <message>
        <source>Prism</source>
        <translation>Prisma</translation>
    </message>
    <message>
        <source>Ray box</source>
        <translation>Strahlenlampe</translation>
    </message>
    <message>
        <source>Light ray</source>
        <translation>Lichtstrahl</translation>
    </message>
    <message>
        <source>Light rays, parallel</source>
        <translation>Lichtstrahlen, parallel</translation>
    </message>
    <message>
        <source>Object (arrow)</source>
        <translation>Gegenstand (Pfeil)</translation>
    </message>
    <message>
        <source>Eye</source>
        <translation>Auge</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Schirm</translation>
    </message>
    <message>
        <source>Wave, transverse</source>
        <translation>Welle, transversal</translation>
    </message>
    <message>
        <source>Wave, longitudinal</source>
        <translation>Welle, longitudinal</translation>
    </message>
    <message>
        <source>Barrier with slit</source>
        <translation>Blende mit Spalt</translation>
    </message>
    <message>
        <source>Barrier with double slit</source>
        <translation>Blende mit Doppelspalt</translation>
    </message>
    <message>
        <source>Earth and space</source>
        <translation>Erde und Weltraum</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Planets in a row</source>
        <translation>Planeten in einer Reihe</translation>
    </message>
    <message>
        <source>Earth with axis</source>
        <translation>Erde mit Achse</translation>
    </message>
    <message>
        <source>Moon phases</source>
        <translation>Mondphasen</translation>
    </message>
    <message>
        <source>Plotting compass</source>
        <translation>Kompassnadel</translation>
    </message>
    <message>
        <source>Bar magnet</source>
        <translation>Stabmagnet</translation>
    </message>
    <message>
        <source>Horseshoe magnet</source>
        <translation>Hufeisenmagnet</translation>
    </message>
</context>
<context>
    <name>korvo::PageExport</name>
    <message>
        <source>The page is too large to render at this scale.</source>
        <translation>Die Seite ist zu groß, um sie in diesem Maßstab auszugeben.</translation>
    </message>
</context>
<context>
    <name>korvo::PlotExpression</name>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1: %2 an Stelle %3</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>empty expression</source>
        <translation>leerer Ausdruck</translation>
    </message>
    <message>
        <source>unexpected end</source>
        <translation>unerwartetes Ende</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>unerwartetes %1</translation>
    </message>
    <message>
        <source>nested too deeply</source>
        <translation>zu tief verschachtelt</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>number too large</source>
        <translation>Zahl zu groß</translation>
    </message>
    <message>
        <source>unknown name %1</source>
        <translation>unbekannter Name %1</translation>
    </message>
    <message>
        <source>( expected after %1</source>
        <translation>( nach %1 erwartet</translation>
    </message>
</context>
<context>
    <name>korvo::SvgImport</name>
    <message>
        <source>The picture declares more than %1 entities.</source>
        <translation>Das Bild deklariert mehr als %1 Entitäten.</translation>
    </message>
    <message>
        <source>The picture declares an entity outside the file, which Korvo never reads.</source>
        <translation>Das Bild deklariert eine Entität außerhalb der Datei; Korvo liest so etwas nie.</translation>
    </message>
    <message>
        <source>The picture&apos;s entities expand to more than %1 characters.</source>
        <translation>Die Entitäten des Bildes ergeben mehr als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>%n bitmap</source>
        <translation>%n Rastergrafik</translation>
    </message>
    <message>
        <source>%n bitmaps</source>
        <translation>%n Rastergrafiken</translation>
    </message>
    <message>
        <source>%n filter</source>
        <translation>%n Filter</translation>
    </message>
    <message>
        <source>%n filters</source>
        <translation>%n Filter</translation>
    </message>
    <message>
        <source>%n pattern</source>
        <translation>%n Muster</translation>
    </message>
    <message>
        <source>%n patterns</source>
        <translation>%n Muster</translation>
    </message>
    <message>
        <source>%n clipping or mask</source>
        <translation>%n Beschneidung oder Maske</translation>
    </message>
    <message>
        <source>%n clippings or masks</source>
        <translation>%n Beschneidungen oder Masken</translation>
    </message>
    <message>
        <source>%n text with characters Korvo cannot hold</source>
        <translation>%n Text mit Zeichen, die Korvo nicht speichern kann</translation>
    </message>
    <message>
        <source>%n texts with characters Korvo cannot hold</source>
        <translation>%n Texte mit Zeichen, die Korvo nicht speichern kann</translation>
    </message>
    <message>
        <source>%n other part</source>
        <translation>%n sonstiger Teil</translation>
    </message>
    <message>
        <source>%n other parts</source>
        <translation>%n sonstige Teile</translation>
    </message>
    <message>
        <source>%n part of the picture could not be taken in: %1</source>
        <translation>%n Teil des Bildes konnte nicht übernommen werden: %1</translation>
    </message>
    <message>
        <source>%n parts of the picture could not be taken in: %1</source>
        <translation>%n Teile des Bildes konnten nicht übernommen werden: %1</translation>
    </message>
    <message>
        <source>The compressed picture could not be opened.</source>
        <translation>Das komprimierte Bild konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The compressed picture inflates to more than %1 MB.</source>
        <translation>Das komprimierte Bild wird entpackt größer als %1 MB.</translation>
    </message>
    <message>
        <source>The compressed picture is damaged.</source>
        <translation>Das komprimierte Bild ist beschädigt.</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is negative or larger than %1 m.</source>
        <translation>Breite oder Höhe des Bildes ist negativ oder größer als %1 m.</translation>
    </message>
    <message>
        <source>The picture draws more than %1 elements.</source>
        <translation>Das Bild zeichnet mehr als %1 Elemente.</translation>
    </message>
    <message>
        <source>The picture&apos;s &lt;use&gt; elements refer to each other in a loop.</source>
        <translation>Die &lt;use&gt;-Elemente des Bildes verweisen im Kreis aufeinander.</translation>
    </message>
    <message>
        <source>The picture nests &lt;use&gt; elements more than %1 deep.</source>
        <translation>Das Bild verschachtelt &lt;use&gt;-Elemente mehr als %1 Ebenen tief.</translation>
    </message>
    <message>
        <source>The picture has more than %1 points.</source>
        <translation>Das Bild hat mehr als %1 Punkte.</translation>
    </message>
    <message>
        <source>The picture&apos;s &lt;tref&gt; elements copy more than %1 characters of text.</source>
        <translation>Die &lt;tref&gt;-Elemente des Bildes kopieren mehr als %1 Zeichen Text.</translation>
    </message>
    <message>
        <source>The picture uses the entity &apos;%1&apos;, which it does not declare.</source>
        <translation>Das Bild verwendet die Entität „%1“, die es nicht deklariert.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation>Die Datei ist kein wohlgeformtes XML (Zeile %1: %2).</translation>
    </message>
    <message>
        <source>The file is not an SVG picture: it has no &lt;svg&gt; element.</source>
        <translation>Die Datei ist kein SVG-Bild: Sie hat kein &lt;svg&gt;-Element.</translation>
    </message>
    <message>
        <source>The picture has more than %1 elements.</source>
        <translation>Das Bild hat mehr als %1 Elemente.</translation>
    </message>
    <message>
        <source>The picture nests elements more than %1 deep.</source>
        <translation>Das Bild verschachtelt Elemente mehr als %1 Ebenen tief.</translation>
    </message>
    <message>
        <source>The file is not an SVG picture: its root element is &lt;%1&gt;.</source>
        <translation>Die Datei ist kein SVG-Bild: Ihr Wurzelelement ist &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>korvo::TAboutFrm</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>Korvo on the web</source>
        <translation>Korvo im Web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Korvo</translation>
    </message>
    <message>
        <source>Drawing for school science teaching.
Tell us what you think on the web page.</source>
        <translation>Zeichnen für den naturwissenschaftlichen Unterricht.
Sagen Sie uns auf der Webseite Ihre Meinung.</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
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
        <translation>Die Zeichnung konnte nicht für eine Wiederherstellung nach einem Absturz gesichert werden. %1</translation>
    </message>
</context>
<context>
    <name>korvo::TControlText</name>
    <message>
        <source>Selection tool</source>
        <translation>Auswahlwerkzeug</translation>
    </message>
    <message>
        <source>node</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Bezier slection tool</source>
        <translation>Bézier-Auswahlwerkzeug</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>polygon</source>
        <translation>Vieleck</translation>
    </message>
    <message>
        <source>Closed polygon</source>
        <translation>Geschlossenes Vieleck</translation>
    </message>
    <message>
        <source>polyline</source>
        <translation>Linienzug</translation>
    </message>
    <message>
        <source>Open polygon</source>
        <translation>Offenes Vieleck</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Gerade Linie</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Single curve</source>
        <translation>Einzelne Kurve</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>tube</source>
        <translation>Rohr</translation>
    </message>
    <message>
        <source>Straight tube</source>
        <translation>Gerades Rohr</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>bend</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Tube bend</source>
        <translation>Rohrbogen</translation>
    </message>
    <message>
        <source>graph</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Graph paper</source>
        <translation>Millimeterpapier</translation>
    </message>
    <message>
        <source>dropper</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Select a colour</source>
        <translation>Eine Farbe aufnehmen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new blank drawing</source>
        <translation>Eine neue leere Zeichnung anlegen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing drawing</source>
        <translation>Eine vorhandene Zeichnung öffnen</translation>
    </message>
    <message>
        <source>Reopen..</source>
        <translation>Zuletzt geöffnet..</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the current drawing</source>
        <translation>Die aktuelle Zeichnung speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save library as</source>
        <translation>Bibliothek speichern unter</translation>
    </message>
    <message>
        <source>Use another library</source>
        <translation>Andere Bibliothek verwenden</translation>
    </message>
    <message>
        <source>Import..</source>
        <translation>Importieren..</translation>
    </message>
    <message>
        <source>Import picture...</source>
        <translation>Bild importieren...</translation>
    </message>
    <message>
        <source>Take in an SVG picture as shapes</source>
        <translation>Ein SVG-Bild als Formen übernehmen</translation>
    </message>
    <message>
        <source>Export selected as metafile</source>
        <translation>Auswahl als Metadatei exportieren</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <translation>Die Zeichnung drucken</translation>
    </message>
    <message>
        <source>Print selected</source>
        <translation>Auswahl drucken</translation>
    </message>
    <message>
        <source>Printer setup</source>
        <translation>Druckereinrichtung</translation>
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
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo the last action undone</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut selected items</source>
        <translation>Ausgewählte Elemente ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy selected items</source>
        <translation>Ausgewählte Elemente kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Clear background picture</source>
        <translation>Hintergrundbild entfernen</translation>
    </message>
    <message>
        <source>Rotate..</source>
        <translation>Drehen..</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skalieren</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Ausrichten</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Vieleck</translation>
    </message>
    <message>
        <source>Show library</source>
        <translation>Bibliothek anzeigen</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>The library&apos;s thumbnail size.</extracomment>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Show / hide the grid</source>
        <translation>Gitter ein- / ausblenden</translation>
    </message>
    <message>
        <source>Snap to grid</source>
        <translation>Am Gitter ausrichten</translation>
    </message>
    <message>
        <source>Use special cursors</source>
        <translation>Besondere Mauszeiger verwenden</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>A colour theme of the window.</extracomment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Search for help on</source>
        <translation>Hilfe suchen zu</translation>
    </message>
    <message>
        <source>Drawing simple shapes</source>
        <translation>Einfache Formen zeichnen</translation>
    </message>
    <message>
        <source>Drawing circuit diagrams</source>
        <translation>Schaltpläne zeichnen</translation>
    </message>
    <message>
        <source>Assembling glassware</source>
        <translation>Glasgeräte zusammenbauen</translation>
    </message>
    <message>
        <source>Drawing biological diagrams</source>
        <translation>Biologische Schemazeichnungen anfertigen</translation>
    </message>
    <message>
        <source>Drawing a beaker</source>
        <translation>Ein Becherglas zeichnen</translation>
    </message>
    <message>
        <source>Drawing connecting tubes</source>
        <translation>Verbindungsrohre zeichnen</translation>
    </message>
    <message>
        <source>Plotting the results of an experiment</source>
        <translation>Versuchsergebnisse grafisch darstellen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>group</source>
        <translation>gruppieren</translation>
    </message>
    <message>
        <source>Group selected shapes</source>
        <translation>Ausgewählte Formen gruppieren</translation>
    </message>
    <message>
        <source>ungroup</source>
        <translation>Gruppierung aufheben</translation>
    </message>
    <message>
        <source>Ungroup selected shapes</source>
        <translation>Gruppierung der ausgewählten Formen aufheben</translation>
    </message>
    <message>
        <source>to front</source>
        <translation>nach vorn</translation>
    </message>
    <message>
        <source>Move selected shapes to the front</source>
        <translation>Ausgewählte Formen in den Vordergrund bringen</translation>
    </message>
    <message>
        <source>to back</source>
        <translation>nach hinten</translation>
    </message>
    <message>
        <source>Move selected shapes to the back</source>
        <translation>Ausgewählte Formen in den Hintergrund stellen</translation>
    </message>
    <message>
        <source>move back</source>
        <translation>eine Ebene nach hinten</translation>
    </message>
    <message>
        <source>Move selected shapes back one layer</source>
        <translation>Ausgewählte Formen eine Ebene nach hinten</translation>
    </message>
    <message>
        <source>move forward</source>
        <translation>eine Ebene nach vorn</translation>
    </message>
    <message>
        <source>Move selected shapes forward one layer</source>
        <translation>Ausgewählte Formen eine Ebene nach vorn</translation>
    </message>
    <message>
        <source>rotate</source>
        <translation>drehen</translation>
    </message>
    <message>
        <source>Rotate selected shapes anti-clockwise</source>
        <translation>Ausgewählte Formen gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate selected shapes clockwise</source>
        <translation>Ausgewählte Formen im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>H mirror</source>
        <translation>H spiegeln</translation>
    </message>
    <message>
        <source>Mirror selected shapes horizontally</source>
        <translation>Ausgewählte Formen horizontal spiegeln</translation>
    </message>
    <message>
        <source>V Mirror</source>
        <translation>V spiegeln</translation>
    </message>
    <message>
        <source>Mirror selected shapes vertically</source>
        <translation>Ausgewählte Formen vertikal spiegeln</translation>
    </message>
    <message>
        <source>Line styles</source>
        <translation>Linienarten</translation>
    </message>
    <message>
        <source>Line ending styles</source>
        <translation>Linienenden</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Rotate the selected shape</source>
        <translation>Die ausgewählte Form drehen</translation>
    </message>
    <message>
        <source>Apply to copy</source>
        <translation>Auf Kopie anwenden</translation>
    </message>
    <message>
        <source>Rotate a copy of the selected shape</source>
        <translation>Eine Kopie der ausgewählten Form drehen</translation>
    </message>
    <message>
        <source>Scale the selected shapes</source>
        <translation>Die ausgewählten Formen skalieren</translation>
    </message>
    <message>
        <source>Copy and scale the selected shapes</source>
        <translation>Die ausgewählten Formen kopieren und skalieren</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The alignment tool bar&apos;s button that aligns centres; a letter or two.</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>Align centres of selected shapes</source>
        <translation>Mittelpunkte der ausgewählten Formen ausrichten</translation>
    </message>
    <message>
        <source>VC</source>
        <extracomment>Aligns centres vertically; a letter or two.</extracomment>
        <translation>VM</translation>
    </message>
    <message>
        <source>Align centres of selected shapes vertically</source>
        <translation>Mittelpunkte der ausgewählten Formen vertikal ausrichten</translation>
    </message>
    <message>
        <source>HC</source>
        <extracomment>Aligns centres horizontally; a letter or two.</extracomment>
        <translation>HM</translation>
    </message>
    <message>
        <source>Align centres of selected shapes horizontally</source>
        <translation>Mittelpunkte der ausgewählten Formen horizontal ausrichten</translation>
    </message>
    <message>
        <source>L</source>
        <extracomment>Aligns left edges; a letter.</extracomment>
        <translation>L</translation>
    </message>
    <message>
        <source>Align left edges of selected shapes</source>
        <translation>Linke Kanten der ausgewählten Formen ausrichten</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>Aligns right edges; a letter.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>Align right edges of selected shapes</source>
        <translation>Rechte Kanten der ausgewählten Formen ausrichten</translation>
    </message>
    <message>
        <source>T</source>
        <extracomment>Aligns top edges; a letter.</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>Align top edges of selected shapes</source>
        <translation>Obere Kanten der ausgewählten Formen ausrichten</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>Aligns bottom edges; a letter.</extracomment>
        <translation>U</translation>
    </message>
    <message>
        <source>Align bottom edges of selected shapes</source>
        <translation>Untere Kanten der ausgewählten Formen ausrichten</translation>
    </message>
    <message>
        <source>Create a polygon with </source>
        <extracomment>Followed by the number of sides and the word &quot;sides&quot;.</extracomment>
        <translation>Vieleck erstellen mit </translation>
    </message>
    <message>
        <source>Draw a polygon</source>
        <translation>Ein Vieleck zeichnen</translation>
    </message>
    <message>
        <source>Convert to polygon</source>
        <translation>In Vieleck umwandeln</translation>
    </message>
    <message>
        <source>Convert to polyline</source>
        <translation>In Linienzug umwandeln</translation>
    </message>
    <message>
        <source>Convert to open curve</source>
        <translation>In offene Kurve umwandeln</translation>
    </message>
    <message>
        <source>Convert to closed curve</source>
        <translation>In geschlossene Kurve umwandeln</translation>
    </message>
    <message>
        <source>Convert to pentagon</source>
        <translation>In Fünfeck umwandeln</translation>
    </message>
    <message>
        <source>Convert to hexagon</source>
        <translation>In Sechseck umwandeln</translation>
    </message>
    <message>
        <source>Convert to star</source>
        <translation>In Stern umwandeln</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Edit graph paper..</source>
        <translation>Millimeterpapier bearbeiten..</translation>
    </message>
    <message>
        <source>Plot graph...</source>
        <translation>Graph zeichnen...</translation>
    </message>
    <message>
        <source>Delete node</source>
        <translation>Knoten löschen</translation>
    </message>
    <message>
        <source>Add node</source>
        <translation>Knoten hinzufügen</translation>
    </message>
    <message>
        <source>Change page order</source>
        <translation>Seitenreihenfolge ändern</translation>
    </message>
    <message>
        <source>Change the page order</source>
        <translation>Die Reihenfolge der Seiten ändern</translation>
    </message>
    <message>
        <source>New page</source>
        <translation>Neue Seite</translation>
    </message>
    <message>
        <source>Insert a new page</source>
        <translation>Eine neue Seite einfügen</translation>
    </message>
    <message>
        <source>Delete page</source>
        <translation>Seite löschen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the picture up the page</source>
        <translation>Das Bild auf der Seite nach oben verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the picture down the page</source>
        <translation>Das Bild auf der Seite nach unten verschieben</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Rename shape</source>
        <translation>Form umbenennen</translation>
    </message>
    <message>
        <source>Rename page</source>
        <translation>Seite umbenennen</translation>
    </message>
    <message>
        <source>Move to page</source>
        <translation>Auf Seite verschieben</translation>
    </message>
    <message>
        <source>Add to library</source>
        <translation>Zur Bibliothek hinzufügen</translation>
    </message>
</context>
<context>
    <name>korvo::TDrawing</name>
    <message>
        <source>%1 cannot be imported. %2</source>
        <translation>%1 kann nicht importiert werden. %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The picture holds nothing that Korvo can draw.</source>
        <translation>%1 kann nicht importiert werden. Das Bild enthält nichts, was Korvo zeichnen kann.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2.</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>korvo::TDrawingFile</name>
    <message>
        <source>&quot;%1&quot; is not a valid drawing file: %2.</source>
        <translation>„%1“ ist keine gültige Zeichnungsdatei: %2.</translation>
    </message>
</context>
<context>
    <name>korvo::TExportFrm</name>
    <message>
        <source>A library name can hold only Western European letters.</source>
        <translation>Ein Bibliotheksname darf nur westeuropäische Buchstaben enthalten.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>korvo::TFileCommands</name>
    <message>
        <source>Korvo files(*.kv)|*.kv</source>
        <translation>Korvo-Dateien(*.kv)|*.kv</translation>
    </message>
    <message>
        <source>Picture files(*.kv)|*.kv</source>
        <translation>Zeichnungsdateien(*.kv)|*.kv</translation>
    </message>
    <message>
        <source>windows metafile(*.emf)|*.emf|SVG picture(*.svg)|*.svg|PDF document(*.pdf)|*.pdf|PNG picture(*.png)|*.png</source>
        <translation>Windows-Metadatei(*.emf)|*.emf|SVG-Bild(*.svg)|*.svg|PDF-Dokument(*.pdf)|*.pdf|PNG-Bild(*.png)|*.png</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png</source>
        <translation>Alle (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG-Bilddatei (*.jpg)|*.jpg|JPEG-Bilddatei (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG-Bilddatei (*.png)|*.png</translation>
    </message>
    <message>
        <source>%1 has changed.<byte value="xd"/>Do you want to save the changes?</source>
        <translation>%1 wurde geändert.<byte value="xd"/>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>The current file has changed.<byte value="xd"/>Do you want to save the changes?</source>
        <translation>Die aktuelle Datei wurde geändert.<byte value="xd"/>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists; it has been taken off the list.</source>
        <translation>„%1“ existiert nicht mehr und wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Export as metafile</source>
        <translation>Als Metadatei exportieren</translation>
    </message>
</context>
<context>
    <name>korvo::TGridFrm</name>
    <message>
        <source>Graph paper settings</source>
        <translation>Millimeterpapier einstellen</translation>
    </message>
    <message>
        <source>%1 mm squares</source>
        <translation>Kästchen zu %1 mm</translation>
    </message>
    <message>
        <source> Grid spacing  </source>
        <translation> Kästchengröße  </translation>
    </message>
    <message>
        <source> Major lines </source>
        <translation> Hauptlinien </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>every  5</source>
        <translation>alle  5</translation>
    </message>
    <message>
        <source>every 10</source>
        <translation>alle 10</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>übernehmen</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>abbrechen</translation>
    </message>
</context>
<context>
    <name>korvo::THelpWindow</name>
    <message>
        <source>Korvo Help</source>
        <translation>Korvo-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation>Gesuchtes Stichwort eingeben:</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
</context>
<context>
    <name>korvo::TLibEditFrm</name>
    <message>
        <source>apply</source>
        <translation>übernehmen</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>abbrechen</translation>
    </message>
    <message>
        <source>Move to page...</source>
        <translation>Auf Seite verschieben...</translation>
    </message>
    <message>
        <source>Available pages</source>
        <translation>Verfügbare Seiten</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>To page</source>
        <translation>Auf Seite</translation>
    </message>
</context>
<context>
    <name>korvo::TLibOrgFrm</name>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move library pages</source>
        <translation>Bibliotheksseiten anordnen</translation>
    </message>
    <message>
        <source>Library pages</source>
        <translation>Bibliotheksseiten</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>korvo::TLibraryPanel</name>
    <message>
        <source>Library page</source>
        <translation>Bibliotheksseite</translation>
    </message>
    <message>
        <source>The page of the library whose pictures the list shows</source>
        <translation>Die Bibliotheksseite, deren Bilder die Liste zeigt</translation>
    </message>
    <message>
        <source>Library shapes</source>
        <translation>Bibliotheksformen</translation>
    </message>
    <message>
        <source>Drag a picture onto the drawing area.</source>
        <translation>Ziehen Sie ein Bild auf die Zeichenfläche.</translation>
    </message>
</context>
<context>
    <name>korvo::TLineStyleMenus</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>Kein Umriss</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>gepunktet</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Gepunktete Linie</translation>
    </message>
    <message>
        <source>Solid line 1 pixel wide</source>
        <translation>Durchgezogene Linie, 1 Pixel breit</translation>
    </message>
    <message>
        <source>Solid line 2 pixels wide</source>
        <translation>Durchgezogene Linie, 2 Pixel breit</translation>
    </message>
    <message>
        <source>Solid line 3 pixels wide</source>
        <translation>Durchgezogene Linie, 3 Pixel breit</translation>
    </message>
    <message>
        <source>Solid line 4 pixels wide</source>
        <translation>Durchgezogene Linie, 4 Pixel breit</translation>
    </message>
    <message>
        <source>Solid line 5 pixels wide</source>
        <translation>Durchgezogene Linie, 5 Pixel breit</translation>
    </message>
    <message>
        <source>No line ending</source>
        <translation>Kein Linienende</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Full-size arrowhead</source>
        <translation>Pfeilspitze in voller Größe</translation>
    </message>
    <message>
        <source>Three-quarter size arrowhead</source>
        <translation>Pfeilspitze in Dreiviertelgröße</translation>
    </message>
    <message>
        <source>Half-size arrowhead</source>
        <translation>Pfeilspitze in halber Größe</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Filled dot</source>
        <translation>Gefüllter Punkt</translation>
    </message>
    <message>
        <source>Line styles</source>
        <translation>Linienarten</translation>
    </message>
    <message>
        <source>Line ending styles</source>
        <translation>Linienenden</translation>
    </message>
</context>
<context>
    <name>korvo::TMainDrawFrm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Library thumbnail size</source>
        <translation>Größe der Bibliotheksvorschau</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Lernprogramme</translation>
    </message>
    <message>
        <source>Horizontal ruler</source>
        <translation>Horizontales Lineal</translation>
    </message>
    <message>
        <source>Vertical ruler</source>
        <translation>Vertikales Lineal</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Library tools</source>
        <translation>Bibliothekswerkzeuge</translation>
    </message>
    <message>
        <source>Pointer position</source>
        <translation>Zeigerposition</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Discard all %1 drawings kept for recovery?</source>
        <translation>Alle %1 zur Wiederherstellung aufbewahrten Zeichnungen verwerfen?</translation>
    </message>
    <message>
        <source>Close %1</source>
        <translation>%1 schließen</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptsymbolleiste</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Rotation toolbar</source>
        <translation>Symbolleiste Drehen</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Drehwinkel</translation>
    </message>
    <message>
        <source>The rotation angle must be a number</source>
        <translation>Der Drehwinkel muss eine Zahl sein</translation>
    </message>
    <message>
        <source>Scale toolbar</source>
        <translation>Symbolleiste Skalieren</translation>
    </message>
    <message>
        <source>Scale (%)</source>
        <translation>Maßstab (%)</translation>
    </message>
    <message>
        <source>The scale must be a whole number from 10 to 200</source>
        <translation>Der Maßstab muss eine ganze Zahl von 10 bis 200 sein</translation>
    </message>
    <message>
        <source>Set the scale factor in %</source>
        <translation>Skalierungsfaktor in % festlegen</translation>
    </message>
    <message>
        <source>Aligment toolbar</source>
        <translation>Symbolleiste Ausrichten</translation>
    </message>
    <message>
        <source>Polygon toolbar</source>
        <translation>Symbolleiste Vieleck</translation>
    </message>
    <message>
        <source>Set the number of sides</source>
        <translation>Anzahl der Seiten festlegen</translation>
    </message>
    <message>
        <source>sides</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Radius (mm)</source>
        <translation>Radius (mm)</translation>
    </message>
    <message>
        <source>The radius must be a number from 10 to 200</source>
        <translation>Der Radius muss eine Zahl von 10 bis 200 sein</translation>
    </message>
</context>
<context>
    <name>korvo::TPaintErrors</name>
    <message>
        <source>Node selection </source>
        <translation>Knotenauswahl </translation>
    </message>
    <message>
        <source>Draw </source>
        <translation>Zeichnen </translation>
    </message>
</context>
<context>
    <name>korvo::TPalettePanel</name>
    <message>
        <source>Scroll the palette up</source>
        <translation>Farbpalette nach oben blättern</translation>
    </message>
    <message>
        <source>Scroll the palette down</source>
        <translation>Farbpalette nach unten blättern</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>Click a colour to fill the selected shapes, right click to colour their outlines</source>
        <translation>Klicken Sie auf eine Farbe, um die ausgewählten Formen zu füllen, oder mit der rechten Maustaste, um ihre Umrisse zu färben</translation>
    </message>
    <message>
        <source>Fill with a colour of your choice</source>
        <translation>Mit einer Farbe Ihrer Wahl füllen</translation>
    </message>
</context>
<context>
    <name>korvo::TPicture</name>
    <message>
        <source>Pictures can be exported as .emf, .svg, .pdf or .png files only.</source>
        <translation>Bilder können nur als .emf-, .svg-, .pdf- oder .png-Dateien exportiert werden.</translation>
    </message>
</context>
<context>
    <name>korvo::TPictureImport</name>
    <message>
        <source>SVG pictures (*.svg *.svgz)|*.svg;*.svgz|SVG (*.svg)|*.svg|Compressed SVG (*.svgz)|*.svgz</source>
        <translation>SVG-Bilder (*.svg *.svgz)|*.svg;*.svgz|SVG (*.svg)|*.svg|Komprimiertes SVG (*.svgz)|*.svgz</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>The picture on the clipboard</source>
        <translation>Das Bild in der Zwischenablage</translation>
    </message>
</context>
<context>
    <name>korvo::TPlotAxesPanel</name>
    <message>
        <source>Axes</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>Arrow heads</source>
        <translation>Pfeilspitzen</translation>
    </message>
    <message>
        <source>One square is worth</source>
        <translation>Ein Kästchen entspricht</translation>
    </message>
    <message>
        <source>One major line is worth</source>
        <translation>Eine Hauptlinie entspricht</translation>
    </message>
    <message>
        <source>at the major lines</source>
        <translation>an den Hauptlinien</translation>
    </message>
    <message>
        <source>every N squares</source>
        <translation>alle N Kästchen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>in black</source>
        <translation>in Schwarz</translation>
    </message>
    <message>
        <source>in the paper&apos;s colour</source>
        <translation>in der Farbe des Papiers</translation>
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
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>x axis</source>
        <translation>x-Achse</translation>
    </message>
    <message>
        <source>y axis</source>
        <translation>y-Achse</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>the start of the x axis</source>
        <translation>den Anfang der x-Achse</translation>
    </message>
    <message>
        <source>the end of the x axis</source>
        <translation>das Ende der x-Achse</translation>
    </message>
    <message>
        <source>the start of the y axis</source>
        <translation>den Anfang der y-Achse</translation>
    </message>
    <message>
        <source>the end of the y axis</source>
        <translation>das Ende der y-Achse</translation>
    </message>
    <message>
        <source>the value along x</source>
        <translation>den Wert in x-Richtung</translation>
    </message>
    <message>
        <source>the value along y</source>
        <translation>den Wert in y-Richtung</translation>
    </message>
    <message>
        <source>Type a number for %1.</source>
        <translation>Geben Sie eine Zahl für %1 ein.</translation>
    </message>
    <message>
        <source>The x axis must end at a larger value than it starts at.</source>
        <translation>Die x-Achse muss bei einem größeren Wert enden, als sie beginnt.</translation>
    </message>
    <message>
        <source>The y axis must end at a larger value than it starts at.</source>
        <translation>Die y-Achse muss bei einem größeren Wert enden, als sie beginnt.</translation>
    </message>
    <message>
        <source>The value of a square or a major line must be more than nothing.</source>
        <translation>Der Wert eines Kästchens oder einer Hauptlinie muss größer als null sein.</translation>
    </message>
</context>
<context>
    <name>korvo::TPlotCurvePanel</name>
    <message>
        <source>The first row was taken as a header.</source>
        <translation>Die erste Zeile wurde als Überschrift genommen.</translation>
    </message>
    <message>
        <source>The table is longer than a graph keeps: shorten its rows or take fewer.</source>
        <translation>Die Tabelle ist länger, als ein Diagramm aufnimmt: Kürzen Sie die Zeilen oder nehmen Sie weniger.</translation>
    </message>
    <message>
        <source>The table holds no points: type or paste two columns, x then y.</source>
        <translation>Die Tabelle enthält keine Punkte: Geben Sie zwei Spalten ein oder fügen Sie sie ein, zuerst x, dann y.</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Measured points</source>
        <translation>Messpunkte</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Write on the graph</source>
        <translation>Im Diagramm angeben</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>× cross</source>
        <translation>× Kreuz</translation>
    </message>
    <message>
        <source>+ plus</source>
        <translation>+ Plus</translation>
    </message>
    <message>
        <source>○ ring</source>
        <translation>○ Ring</translation>
    </message>
    <message>
        <source>● dot</source>
        <translation>● Punkt</translation>
    </message>
    <message>
        <source>□ square</source>
        <translation>□ Quadrat</translation>
    </message>
    <message>
        <source>no line</source>
        <translation>keine Linie</translation>
    </message>
    <message>
        <source>straight lines</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>smooth curve</source>
        <translation>glatte Kurve</translation>
    </message>
    <message>
        <source>best-fit straight line</source>
        <translation>Ausgleichsgerade</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>durchgezogen</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>gepunktet</translation>
    </message>
    <message>
        <source>y =</source>
        <translation>y =</translation>
    </message>
    <message>
        <source>x and y in two columns, separated by a tab, a semicolon or a comma</source>
        <translation>x und y in zwei Spalten, getrennt durch Tabulator, Semikolon oder Komma</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>as it was</source>
        <translation>wie bisher</translation>
    </message>
    <message>
        <source>Best-fit line: gradient %1, intercept %2</source>
        <translation>Ausgleichsgerade: Steigung %1, Achsenabschnitt %2</translation>
    </message>
    <message>
        <source>A best-fit line needs points at two different values of x.</source>
        <translation>Eine Ausgleichsgerade braucht Punkte bei zwei verschiedenen x-Werten.</translation>
    </message>
    <message>
        <source>%1 point.</source>
        <translation>%1 Punkt.</translation>
    </message>
    <message>
        <source>%1 points.</source>
        <translation>%1 Punkte.</translation>
    </message>
    <message>
        <source>%1 row that does not hold two numbers was skipped.</source>
        <translation>%1 Zeile ohne zwei Zahlen wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 rows that do not hold two numbers were skipped.</source>
        <translation>%1 Zeilen ohne zwei Zahlen wurden übersprungen.</translation>
    </message>
    <message>
        <source>Only the first %2 rows are taken: %1 more was left out.</source>
        <translation>Nur die ersten %2 Zeilen werden übernommen: %1 weitere wurde weggelassen.</translation>
    </message>
    <message>
        <source>Only the first %2 rows are taken: %1 more were left out.</source>
        <translation>Nur die ersten %2 Zeilen werden übernommen: %1 weitere wurden weggelassen.</translation>
    </message>
    <message>
        <source>%1 point lies outside the axes and is left out.</source>
        <translation>%1 Punkt liegt außerhalb der Achsen und wird weggelassen.</translation>
    </message>
    <message>
        <source>%1 points lie outside the axes and are left out.</source>
        <translation>%1 Punkte liegen außerhalb der Achsen und werden weggelassen.</translation>
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
        <translation>Messpunkte</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Plot graph</source>
        <translation>Diagramm zeichnen</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Kurven</translation>
    </message>
    <message>
        <source>Curve %1: %2</source>
        <translation>Kurve %1: %2</translation>
    </message>
</context>
<context>
    <name>korvo::TPolyLib</name>
    <message>
        <source>Invalid library file</source>
        <translation>Ungültige Bibliotheksdatei</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: another Korvo window is writing it.</source>
        <translation>„%1“ kann nicht gespeichert werden: Ein anderes Korvo-Fenster schreibt gerade darauf.</translation>
    </message>
    <message>
        <source>The library was changed by another Korvo window. Load it again and repeat your change?</source>
        <translation>Die Bibliothek wurde in einem anderen Korvo-Fenster geändert. Neu laden und die Änderung wiederholen?</translation>
    </message>
    <message>
        <source>The library has been left as it was.</source>
        <translation>Die Bibliothek bleibt unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid library file: %2.</source>
        <translation>„%1“ ist keine gültige Bibliotheksdatei: %2.</translation>
    </message>
</context>
<context>
    <name>korvo::TPrintPreviewFrm</name>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the print preview</source>
        <translation>Druckvorschau schließen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Default position</source>
        <translation>Standardposition</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Centre pict on page</source>
        <translation>Bild auf der Seite zentrieren</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Fit picture to page</source>
        <translation>Bild an die Seite anpassen</translation>
    </message>
    <message>
        <source>No printer is available</source>
        <translation>Kein Drucker verfügbar</translation>
    </message>
    <message>
        <source>The current printer cannot print to A3 paper</source>
        <translation>Der aktuelle Drucker kann nicht auf A3-Papier drucken</translation>
    </message>
    <message>
        <source>The page is larger than the printer&apos;s paper</source>
        <translation>Die Seite ist größer als das Papier des Druckers</translation>
    </message>
</context>
<context>
    <name>korvo::TRecoveryFrm</name>
    <message>
        <source>Recover unsaved drawings</source>
        <translation>Nicht gespeicherte Zeichnungen wiederherstellen</translation>
    </message>
    <message>
        <source>Korvo ended without saving these drawings.</source>
        <translation>Korvo wurde beendet, ohne diese Zeichnungen zu speichern.</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Discard all</source>
        <translation>Alle verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>korvo::TRecoveryStore</name>
    <message>
        <source>It could not be put aside and stays as &quot;%1&quot;.</source>
        <translation>Sie konnte nicht beiseitegelegt werden und bleibt als „%1“ erhalten.</translation>
    </message>
    <message>
        <source>The drawing kept for recovery has been put aside as &quot;%1&quot;.</source>
        <translation>Die zur Wiederherstellung aufbewahrte Zeichnung wurde als „%1“ beiseitegelegt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid recovery description.</source>
        <translation>„%1“ ist keine gültige Wiederherstellungsbeschreibung.</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot lock &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht gesperrt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to read in the memory at hand.</source>
        <translation>„%1“ ist zu groß, um im verfügbaren Speicher gelesen zu werden.</translation>
    </message>
</context>
<context>
    <name>korvo::TSurfaceWidget</name>
    <message>
        <source>Drawing surface</source>
        <translation>Zeichenfläche</translation>
    </message>
</context>
<context>
    <name>korvo::TTextFrm</name>
    <message>
        <source>Sample</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>U</source>
        <comment>underline</comment>
        <translation>U</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Subscript: lowers the selected characters (%1)</source>
        <translation>Tiefgestellt: stellt die markierten Zeichen tiefer (%1)</translation>
    </message>
    <message>
        <source>Superscript: raises the selected characters (%1)</source>
        <translation>Hochgestellt: stellt die markierten Zeichen höher (%1)</translation>
    </message>
    <message>
        <source>Subscript</source>
        <translation>Tiefgestellt</translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation>Hochgestellt</translation>
    </message>
    <message>
        <source>Chemical formula</source>
        <translation>Chemische Formel</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>übernehmen</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>abbrechen</translation>
    </message>
    <message>
        <source>Text properties</source>
        <translation>Texteigenschaften</translation>
    </message>
    <message>
        <source>No single character set holds all of these characters; write them as separate texts.</source>
        <translation>Kein einzelner Zeichensatz enthält alle diese Zeichen; schreiben Sie sie als getrennte Texte.</translation>
    </message>
</context>
<context>
    <name>korvo::TToolInfo</name>
    <message>
        <source>Click to select a shape. Control click to multiselect,</source>
        <translation>Klicken, um eine Form auszuwählen. Strg+Klick wählt mehrere aus.</translation>
    </message>
    <message>
        <source>Click to add a point. Right click to end drawing</source>
        <translation>Klicken, um einen Punkt hinzuzufügen. Rechtsklick beendet das Zeichnen</translation>
    </message>
    <message>
        <source>Click to edit nodes</source>
        <translation>Klicken, um Knoten zu bearbeiten</translation>
    </message>
    <message>
        <source>Click and drag to draw a rectangle.</source>
        <translation>Klicken und ziehen, um ein Rechteck zu zeichnen.</translation>
    </message>
    <message>
        <source>Click and drag to draw a circle.</source>
        <translation>Klicken und ziehen, um einen Kreis zu zeichnen.</translation>
    </message>
    <message>
        <source>Click and drag to draw a straight line</source>
        <translation>Klicken und ziehen, um eine gerade Linie zu zeichnen</translation>
    </message>
    <message>
        <source>Click and drag to draw a straight line ending in an arrow.</source>
        <translation>Klicken und ziehen, um eine gerade Linie mit Pfeilspitze zu zeichnen.</translation>
    </message>
    <message>
        <source>Click and drag to draw a curve</source>
        <translation>Klicken und ziehen, um eine Kurve zu zeichnen</translation>
    </message>
    <message>
        <source>Click and drag to draw a sine wave.</source>
        <translation>Klicken und ziehen, um eine Sinuswelle zu zeichnen.</translation>
    </message>
    <message>
        <source>Click and drag to draw a straight tube.</source>
        <translation>Klicken und ziehen, um ein gerades Rohr zu zeichnen.</translation>
    </message>
    <message>
        <source>Click to add text</source>
        <translation>Klicken, um Text hinzuzufügen</translation>
    </message>
    <message>
        <source>Click and drag to draw a tube bend.</source>
        <translation>Klicken und ziehen, um einen Rohrbogen zu zeichnen.</translation>
    </message>
    <message>
        <source>Click and drag to draw a grid.</source>
        <translation>Klicken und ziehen, um ein Raster zu zeichnen.</translation>
    </message>
</context>
<context>
    <name>korvo::UndoStep</name>
    <message>
        <source>add object</source>
        <translation>Objekt hinzufügen</translation>
    </message>
    <message>
        <source>create line</source>
        <translation>Linie erstellen</translation>
    </message>
    <message>
        <source>create arrow</source>
        <translation>Pfeil erstellen</translation>
    </message>
    <message>
        <source>create polygon</source>
        <translation>Polygon erstellen</translation>
    </message>
    <message>
        <source>create polyline</source>
        <translation>Linienzug erstellen</translation>
    </message>
    <message>
        <source>create circle</source>
        <translation>Kreis erstellen</translation>
    </message>
    <message>
        <source>create curve</source>
        <translation>Kurve erstellen</translation>
    </message>
    <message>
        <source>create text</source>
        <translation>Text erstellen</translation>
    </message>
    <message>
        <source>create tube</source>
        <translation>Rohr erstellen</translation>
    </message>
    <message>
        <source>create sine</source>
        <translation>Sinuskurve erstellen</translation>
    </message>
    <message>
        <source>move selection</source>
        <translation>Auswahl verschieben</translation>
    </message>
    <message>
        <source>edit node</source>
        <translation>Knoten bearbeiten</translation>
    </message>
    <message>
        <source>resize selection</source>
        <translation>Auswahlgröße ändern</translation>
    </message>
    <message>
        <source>delete node</source>
        <translation>Knoten löschen</translation>
    </message>
    <message>
        <source>group selection</source>
        <translation>Auswahl gruppieren</translation>
    </message>
    <message>
        <source>ungroup selection</source>
        <translation>Gruppierung aufheben</translation>
    </message>
    <message>
        <source>create rectangle</source>
        <translation>Rechteck erstellen</translation>
    </message>
    <message>
        <source>fill colour</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <source>line colour</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>line style</source>
        <translation>Linienstil</translation>
    </message>
    <message>
        <source>line ending style</source>
        <translation>Linienenden</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>reflection</source>
        <translation>Spiegelung</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>delete selection</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>move back one</source>
        <translation>Eine Ebene nach hinten</translation>
    </message>
    <message>
        <source>move forward one</source>
        <translation>Eine Ebene nach vorn</translation>
    </message>
    <message>
        <source>move to back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>move to front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>convert to curve</source>
        <translation>In Kurve umwandeln</translation>
    </message>
    <message>
        <source>convert to polygon</source>
        <translation>In Polygon umwandeln</translation>
    </message>
    <message>
        <source>remove labels</source>
        <translation>Beschriftungen entfernen</translation>
    </message>
    <message>
        <source>alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>convert to open polygon</source>
        <translation>In offenes Polygon umwandeln</translation>
    </message>
    <message>
        <source>add node</source>
        <translation>Knoten hinzufügen</translation>
    </message>
    <message>
        <source>import picture</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>edit text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>plot graph</source>
        <translation>Graph zeichnen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
</context>
</TS>
