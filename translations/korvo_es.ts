<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>EPrintError</name>
    <message>
        <source>The printer &quot;%1&quot; reports no paper size or resolution.</source>
        <translation>La impresora «%1» no indica ningún tamaño de papel ni resolución.</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; could not start.</source>
        <translation>No se pudo iniciar la impresión en «%1».</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; could not be finished.</source>
        <translation>No se pudo terminar la impresión en «%1».</translation>
    </message>
    <message>
        <source>The print service refused the job for &quot;%1&quot;: %2</source>
        <translation>El servicio de impresión rechazó el trabajo para «%1»: %2</translation>
    </message>
</context>
<context>
    <name>TLibraryCommands</name>
    <message>
        <source>Korvo library(*.kvl)|*.kvl</source>
        <translation>Biblioteca de Korvo(*.kvl)|*.kvl</translation>
    </message>
    <message>
        <source>library file %1 not found</source>
        <translation>no se encuentra el archivo de biblioteca %1</translation>
    </message>
    <message>
        <source>Save library as</source>
        <translation>Guardar biblioteca como</translation>
    </message>
    <message>
        <source>The library has no page yet. Make one with &quot;New page&quot; first.</source>
        <translation>La biblioteca aún no tiene ninguna página. Cree primero una con «Nueva página».</translation>
    </message>
    <message>
        <source>Point at the shape to add to the library.</source>
        <translation>Señale la forma que desea añadir a la biblioteca.</translation>
    </message>
    <message>
        <source>Add selected shapes to &apos;%1&apos;</source>
        <translation>Añadir las formas seleccionadas a «%1»</translation>
    </message>
    <message>
        <source>Add this shape to &apos;%1&apos;</source>
        <translation>Añadir esta forma a «%1»</translation>
    </message>
    <message>
        <source>Add to library</source>
        <translation>Añadir a la biblioteca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Rename shape</source>
        <translation>Cambiar nombre de la forma</translation>
    </message>
    <message>
        <source>Enter a new name for the selected shape.</source>
        <translation>Escriba un nombre nuevo para la forma seleccionada.</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>aplicar</translation>
    </message>
    <message>
        <source>Rename page</source>
        <translation>Cambiar nombre de la página</translation>
    </message>
    <message>
        <source>Enter a new name for the page.</source>
        <translation>Escriba un nombre nuevo para la página.</translation>
    </message>
    <message>
        <source>Create new page</source>
        <translation>Crear página nueva</translation>
    </message>
    <message>
        <source>Enter a name for the new page.</source>
        <translation>Escriba un nombre para la página nueva.</translation>
    </message>
    <message>
        <source>create</source>
        <translation>crear</translation>
    </message>
    <message>
        <source>Deleting a page will also delete all the diagrams on the page.<byte value="xd"/>Are you sure you want to delete %1</source>
        <translation>Al eliminar una página también se eliminan todos los esquemas de la página.<byte value="xd"/>¿Seguro que desea eliminar %1?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>Open library file</source>
        <translation>Abrir archivo de biblioteca</translation>
    </message>
    <message>
        <source>Use the library %1?</source>
        <translation>¿Usar la biblioteca %1?</translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
</context>
<context>
    <name>TQtUserPrompts</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Fill colour</source>
        <translation>Color de relleno</translation>
    </message>
</context>
<context>
    <name>TShapeCommands</name>
    <message>
        <source>The graph could not be drawn on this paper.</source>
        <translation>No se pudo dibujar la gráfica en este papel.</translation>
    </message>
    <message>
        <source>Can&apos;t convert</source>
        <translation>No se puede convertir</translation>
    </message>
</context>
<context>
    <name>korvo::EFileError</name>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>No se puede abrir «%1»: no es un archivo.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is too large.</source>
        <translation>No se puede abrir «%1»: el archivo es demasiado grande.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>No se puede leer «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>No se puede crear «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>No se puede guardar «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: its content could not be made.</source>
        <translation>No se puede guardar «%1»: no se pudo generar su contenido.</translation>
    </message>
</context>
<context>
    <name>korvo::EReadError</name>
    <message>
        <source>it ends before its data is complete</source>
        <translation>termina antes de que sus datos estén completos</translation>
    </message>
    <message>
        <source>it holds an impossible count or length</source>
        <translation>contiene una cantidad o una longitud imposible</translation>
    </message>
    <message>
        <source>its groups are nested more than 1000 levels deep</source>
        <translation>sus grupos están anidados en más de 1000 niveles</translation>
    </message>
</context>
<context>
    <name>korvo::LibraryNames</name>
    <message>
        <source>Biology</source>
        <translation>Biología</translation>
    </message>
    <message>
        <source>Animal cell</source>
        <translation>Célula animal</translation>
    </message>
    <message>
        <source>Plant cell</source>
        <translation>Célula vegetal</translation>
    </message>
    <message>
        <source>Leaf, cross-section</source>
        <translation>Hoja, corte transversal</translation>
    </message>
    <message>
        <source>Flower, parts</source>
        <translation>Flor, partes</translation>
    </message>
    <message>
        <source>Root hair cell</source>
        <translation>Célula de pelo radicular</translation>
    </message>
    <message>
        <source>Red blood cell</source>
        <translation>Glóbulo rojo</translation>
    </message>
    <message>
        <source>Neurone</source>
        <translation>Neurona</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Microscopio</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Petri dish</source>
        <translation>Placa de Petri</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>Lungs</source>
        <translation>Pulmones</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Wire junction</source>
        <translation>Unión de cables</translation>
    </message>
    <message>
        <source>Wires crossing, not joined</source>
        <translation>Cables cruzados, sin conexión</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lámpara</translation>
    </message>
    <message>
        <source>Switch, open</source>
        <translation>Interruptor abierto</translation>
    </message>
    <message>
        <source>Switch, closed</source>
        <translation>Interruptor cerrado</translation>
    </message>
    <message>
        <source>Push switch</source>
        <translation>Pulsador</translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Variable resistor</source>
        <translation>Resistencia variable</translation>
    </message>
    <message>
        <source>Fuse</source>
        <translation>Fusible</translation>
    </message>
    <message>
        <source>Ammeter</source>
        <translation>Amperímetro</translation>
    </message>
    <message>
        <source>Voltmeter</source>
        <translation>Voltímetro</translation>
    </message>
    <message>
        <source>Galvanometer</source>
        <translation>Galvanómetro</translation>
    </message>
    <message>
        <source>Diode</source>
        <translation>Diodo</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>LDR</source>
        <translation>LDR (fotorresistencia)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Termistor</translation>
    </message>
    <message>
        <source>Capacitor</source>
        <translation>Condensador</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generador</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Zumbador</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Altavoz</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation>Transformador</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Toma de tierra</translation>
    </message>
    <message>
        <source>a.c. supply</source>
        <translation>Fuente de corriente alterna</translation>
    </message>
    <message>
        <source>d.c. supply</source>
        <translation>Fuente de corriente continua</translation>
    </message>
    <message>
        <source>Forces and motion</source>
        <translation>Fuerzas y movimiento</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Muelle</translation>
    </message>
    <message>
        <source>Spring balance</source>
        <translation>Balanza de resorte</translation>
    </message>
    <message>
        <source>Newton meter</source>
        <translation>Dinamómetro</translation>
    </message>
    <message>
        <source>Pulley</source>
        <translation>Polea</translation>
    </message>
    <message>
        <source>Slotted mass</source>
        <translation>Pesa ranurada</translation>
    </message>
    <message>
        <source>Slotted masses on hanger</source>
        <translation>Pesas ranuradas en portapesas</translation>
    </message>
    <message>
        <source>Trolley</source>
        <translation>Carrito</translation>
    </message>
    <message>
        <source>Ramp</source>
        <translation>Rampa</translation>
    </message>
    <message>
        <source>Force arrow, 1 cm</source>
        <translation>Flecha de fuerza, 1 cm</translation>
    </message>
    <message>
        <source>Force arrow, 2 cm</source>
        <translation>Flecha de fuerza, 2 cm</translation>
    </message>
    <message>
        <source>Force arrow, 3 cm</source>
        <translation>Flecha de fuerza, 3 cm</translation>
    </message>
    <message>
        <source>Force arrow, 4 cm</source>
        <translation>Flecha de fuerza, 4 cm</translation>
    </message>
    <message>
        <source>Force arrow, 5 cm</source>
        <translation>Flecha de fuerza, 5 cm</translation>
    </message>
    <message>
        <source>Pendulum</source>
        <translation>Péndulo</translation>
    </message>
    <message>
        <source>Lever and pivot</source>
        <translation>Palanca y punto de apoyo</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Glassware</source>
        <translation>Material de vidrio</translation>
    </message>
    <message>
        <source>Beaker, small</source>
        <translation>Vaso de precipitados, pequeño</translation>
    </message>
    <message>
        <source>Beaker, large</source>
        <translation>Vaso de precipitados, grande</translation>
    </message>
    <message>
        <source>Conical flask</source>
        <translation>Matraz Erlenmeyer</translation>
    </message>
    <message>
        <source>Round-bottom flask</source>
        <translation>Matraz de fondo redondo</translation>
    </message>
    <message>
        <source>Flat-bottom flask</source>
        <translation>Matraz de fondo plano</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tubo de ensayo</translation>
    </message>
    <message>
        <source>Boiling tube</source>
        <translation>Tubo de ensayo grande</translation>
    </message>
    <message>
        <source>Test tube rack</source>
        <translation>Gradilla</translation>
    </message>
    <message>
        <source>Measuring cylinder</source>
        <translation>Probeta</translation>
    </message>
    <message>
        <source>Burette</source>
        <translation>Bureta</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Pipeta</translation>
    </message>
    <message>
        <source>Dropping pipette</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>Filter funnel</source>
        <translation>Embudo</translation>
    </message>
    <message>
        <source>Filter funnel with filter paper</source>
        <translation>Embudo con papel de filtro</translation>
    </message>
    <message>
        <source>Thistle funnel</source>
        <translation>Tubo de seguridad con embudo</translation>
    </message>
    <message>
        <source>Separating funnel</source>
        <translation>Embudo de decantación</translation>
    </message>
    <message>
        <source>Büchner funnel</source>
        <translation>Embudo Büchner</translation>
    </message>
    <message>
        <source>Büchner flask</source>
        <translation>Matraz Kitasato</translation>
    </message>
    <message>
        <source>Liebig condenser</source>
        <translation>Refrigerante Liebig</translation>
    </message>
    <message>
        <source>Evaporating basin</source>
        <translation>Cápsula de evaporación</translation>
    </message>
    <message>
        <source>Crucible and lid</source>
        <translation>Crisol con tapa</translation>
    </message>
    <message>
        <source>Watch glass</source>
        <translation>Vidrio de reloj</translation>
    </message>
    <message>
        <source>Gas jar and lid</source>
        <translation>Frasco para gases con tapa</translation>
    </message>
    <message>
        <source>Trough</source>
        <translation>Cubeta</translation>
    </message>
    <message>
        <source>Beehive shelf</source>
        <translation>Soporte para frasco en cubeta</translation>
    </message>
    <message>
        <source>Delivery tube, straight</source>
        <translation>Tubo de desprendimiento, recto</translation>
    </message>
    <message>
        <source>Delivery tube, right-angled</source>
        <translation>Tubo de desprendimiento, en ángulo recto</translation>
    </message>
    <message>
        <source>Delivery tube, bent</source>
        <translation>Tubo de desprendimiento, curvado</translation>
    </message>
    <message>
        <source>Delivery tube, U-shaped</source>
        <translation>Tubo de desprendimiento, en U</translation>
    </message>
    <message>
        <source>Gas syringe</source>
        <translation>Jeringa de gases</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termómetro</translation>
    </message>
    <message>
        <source>Stopper</source>
        <translation>Tapón</translation>
    </message>
    <message>
        <source>Stopper, one hole</source>
        <translation>Tapón, un orificio</translation>
    </message>
    <message>
        <source>Stopper, two holes</source>
        <translation>Tapón, dos orificios</translation>
    </message>
    <message>
        <source>Heating and support</source>
        <translation>Calentamiento y soporte</translation>
    </message>
    <message>
        <source>Bunsen burner</source>
        <translation>Mechero Bunsen</translation>
    </message>
    <message>
        <source>Bunsen burner, air hole open</source>
        <translation>Mechero Bunsen, entrada de aire abierta</translation>
    </message>
    <message>
        <source>Bunsen burner, air hole closed</source>
        <translation>Mechero Bunsen, entrada de aire cerrada</translation>
    </message>
    <message>
        <source>Spirit lamp</source>
        <translation>Lámpara de alcohol</translation>
    </message>
    <message>
        <source>Tripod</source>
        <translation>Trípode</translation>
    </message>
    <message>
        <source>Gauze</source>
        <translation>Rejilla</translation>
    </message>
    <message>
        <source>Gauze, seen from above</source>
        <translation>Rejilla, vista desde arriba</translation>
    </message>
    <message>
        <source>Pipe-clay triangle</source>
        <translation>Triángulo de arcilla</translation>
    </message>
    <message>
        <source>Clamp stand</source>
        <translation>Soporte universal</translation>
    </message>
    <message>
        <source>Boss and clamp</source>
        <translation>Nuez y pinza</translation>
    </message>
    <message>
        <source>Clamp stand with boss and clamp</source>
        <translation>Soporte universal con nuez y pinza</translation>
    </message>
    <message>
        <source>Heat-proof mat</source>
        <translation>Placa aislante</translation>
    </message>
    <message>
        <source>Water bath</source>
        <translation>Baño María</translation>
    </message>
    <message>
        <source>Tongs</source>
        <translation>Pinzas de crisol</translation>
    </message>
    <message>
        <source>Test tube holder</source>
        <translation>Pinza para tubos de ensayo</translation>
    </message>
    <message>
        <source>Optics and waves</source>
        <translation>Óptica y ondas</translation>
    </message>
    <message>
        <source>Converging lens</source>
        <translation>Lente convergente</translation>
    </message>
    <message>
        <source>Diverging lens</source>
        <translation>Lente divergente</translation>
    </message>
    <message>
        <source>Converging lens (ray diagram)</source>
        <translation>Lente convergente (diagrama de rayos)</translation>
    </message>
    <message>
        <source>Diverging lens (ray diagram)</source>
        <translation>Lente divergente (diagrama de rayos)</translation>
    </message>
    <message>
        <source>Plane mirror</source>
        <translation>Espejo plano</translation>
    </message>
    <message>
        <source>Concave mirror</source>
        <translation>Espejo cóncavo</translation>
    </message>
    <message>
        <source>Convex mirror</source>
        <translation>Espejo convexo</translation>
    </message>
    <message>
        <source>Rectangular glass block</source>
        <translation>Bloque de vidrio rectangular</translation>
    </message>
    <message>
        <source>Semicircular glass block</source>
        <translation>Bloque de vidrio semicircular</translation>
    </message>
    <message>
        <source>Triangular glass block</source>
        <translation>Bloque de vidrio triangular</translation>
    </message>
    <message>
        <source>Prism</source>
        <translation>Prisma</translation>
    </message>
    <message>
        <source>Ray box</source>
        <translation>Caja de rayos</translation>
    </message>
    <message>
        <source>Light ray</source>
        <translation>Rayo de luz</translation>
    </message>
    <message>
        <source>Light rays, parallel</source>
        <translation>Rayos de luz paralelos</translation>
    </message>
    <message>
        <source>Object (arrow)</source>
        <translation>Objeto (flecha)</translation>
    </message>
    <message>
        <source>Eye</source>
        <translation>Ojo</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Wave, transverse</source>
        <translation>Onda transversal</translation>
    </message>
    <message>
        <source>Wave, longitudinal</source>
        <translation>Onda longitudinal</translation>
    </message>
    <message>
        <source>Barrier with slit</source>
        <translation>Barrera con rendija</translation>
    </message>
    <message>
        <source>Barrier with double slit</source>
        <translation>Barrera con doble rendija</translation>
    </message>
    <message>
        <source>Earth and space</source>
        <translation>La Tierra y el espacio</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Planets in a row</source>
        <translation>Planetas en fila</translation>
    </message>
    <message>
        <source>Earth with axis</source>
        <translation>Tierra con su eje</translation>
    </message>
    <message>
        <source>Moon phases</source>
        <translation>Fases de la Luna</translation>
    </message>
    <message>
        <source>Plotting compass</source>
        <translation>Brújula pequeña</translation>
    </message>
    <message>
        <source>Bar magnet</source>
        <translation>Imán de barra</translation>
    </message>
    <message>
        <source>Horseshoe magnet</source>
        <translation>Imán de herradura</translation>
    </message>
</context>
<context>
    <name>korvo::PageExport</name>
    <message>
        <source>The page is too large to render at this scale.</source>
        <translation>La página es demasiado grande para generarla a esta escala.</translation>
    </message>
</context>
<context>
    <name>korvo::PlotExpression</name>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1: %2 en la posición %3</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>más de %1 caracteres</translation>
    </message>
    <message>
        <source>empty expression</source>
        <translation>expresión vacía</translation>
    </message>
    <message>
        <source>unexpected end</source>
        <translation>final inesperado</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>%1 inesperado</translation>
    </message>
    <message>
        <source>nested too deeply</source>
        <translation>anidamiento demasiado profundo</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>number too large</source>
        <translation>número demasiado grande</translation>
    </message>
    <message>
        <source>unknown name %1</source>
        <translation>nombre desconocido %1</translation>
    </message>
    <message>
        <source>( expected after %1</source>
        <translation>se esperaba ( después de %1</translation>
    </message>
</context>
<context>
    <name>korvo::SvgImport</name>
    <message>
        <source>The picture declares more than %1 entities.</source>
        <translation>La imagen declara más de %1 entidades.</translation>
    </message>
    <message>
        <source>The picture declares an entity outside the file, which Korvo never reads.</source>
        <translation>La imagen declara una entidad fuera del archivo, que Korvo nunca lee.</translation>
    </message>
    <message>
        <source>The picture&apos;s entities expand to more than %1 characters.</source>
        <translation>Las entidades de la imagen se expanden a más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>%n bitmap</source>
        <translation>%n mapa de bits</translation>
    </message>
    <message>
        <source>%n bitmaps</source>
        <translation>%n mapas de bits</translation>
    </message>
    <message>
        <source>%n filter</source>
        <translation>%n filtro</translation>
    </message>
    <message>
        <source>%n filters</source>
        <translation>%n filtros</translation>
    </message>
    <message>
        <source>%n pattern</source>
        <translation>%n patrón</translation>
    </message>
    <message>
        <source>%n patterns</source>
        <translation>%n patrones</translation>
    </message>
    <message>
        <source>%n clipping or mask</source>
        <translation>%n recorte o máscara</translation>
    </message>
    <message>
        <source>%n clippings or masks</source>
        <translation>%n recortes o máscaras</translation>
    </message>
    <message>
        <source>%n text with characters Korvo cannot hold</source>
        <translation>%n texto con caracteres que Korvo no puede guardar</translation>
    </message>
    <message>
        <source>%n texts with characters Korvo cannot hold</source>
        <translation>%n textos con caracteres que Korvo no puede guardar</translation>
    </message>
    <message>
        <source>%n other part</source>
        <translation>%n otra parte</translation>
    </message>
    <message>
        <source>%n other parts</source>
        <translation>%n otras partes</translation>
    </message>
    <message>
        <source>%n part of the picture could not be taken in: %1</source>
        <translation>%n parte de la imagen no se pudo incorporar: %1</translation>
    </message>
    <message>
        <source>%n parts of the picture could not be taken in: %1</source>
        <translation>%n partes de la imagen no se pudieron incorporar: %1</translation>
    </message>
    <message>
        <source>The compressed picture could not be opened.</source>
        <translation>No se pudo abrir la imagen comprimida.</translation>
    </message>
    <message>
        <source>The compressed picture inflates to more than %1 MB.</source>
        <translation>La imagen comprimida ocupa más de %1 MB al descomprimirla.</translation>
    </message>
    <message>
        <source>The compressed picture is damaged.</source>
        <translation>La imagen comprimida está dañada.</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is negative or larger than %1 m.</source>
        <translation>El ancho o el alto de la imagen es negativo o mayor que %1 m.</translation>
    </message>
    <message>
        <source>The picture draws more than %1 elements.</source>
        <translation>La imagen dibuja más de %1 elementos.</translation>
    </message>
    <message>
        <source>The picture&apos;s &lt;use&gt; elements refer to each other in a loop.</source>
        <translation>Los elementos &lt;use&gt; de la imagen se refieren unos a otros en bucle.</translation>
    </message>
    <message>
        <source>The picture nests &lt;use&gt; elements more than %1 deep.</source>
        <translation>La imagen anida elementos &lt;use&gt; en más de %1 niveles.</translation>
    </message>
    <message>
        <source>The picture has more than %1 points.</source>
        <translation>La imagen tiene más de %1 puntos.</translation>
    </message>
    <message>
        <source>The picture&apos;s &lt;tref&gt; elements copy more than %1 characters of text.</source>
        <translation>Los elementos &lt;tref&gt; de la imagen copian más de %1 caracteres de texto.</translation>
    </message>
    <message>
        <source>The picture uses the entity &apos;%1&apos;, which it does not declare.</source>
        <translation>La imagen usa la entidad «%1», que no declara.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1: %2).</source>
        <translation>El archivo no es XML bien formado (línea %1: %2).</translation>
    </message>
    <message>
        <source>The file is not an SVG picture: it has no &lt;svg&gt; element.</source>
        <translation>El archivo no es una imagen SVG: no tiene ningún elemento &lt;svg&gt;.</translation>
    </message>
    <message>
        <source>The picture has more than %1 elements.</source>
        <translation>La imagen tiene más de %1 elementos.</translation>
    </message>
    <message>
        <source>The picture nests elements more than %1 deep.</source>
        <translation>La imagen anida elementos en más de %1 niveles.</translation>
    </message>
    <message>
        <source>The file is not an SVG picture: its root element is &lt;%1&gt;.</source>
        <translation>El archivo no es una imagen SVG: su elemento raíz es &lt;%1&gt;.</translation>
    </message>
</context>
<context>
    <name>korvo::TAboutFrm</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la GNU General Public License, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Korvo on the web</source>
        <translation>Korvo en la web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Korvo</translation>
    </message>
    <message>
        <source>Drawing for school science teaching.
Tell us what you think on the web page.</source>
        <translation>Dibujo para la enseñanza de las ciencias.
Díganos su opinión en la página web.</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>korvo::TAutosave</name>
    <message>
        <source>The drawing could not be kept for recovery after a crash. %1</source>
        <translation>No se pudo conservar el dibujo para recuperarlo tras un cierre inesperado. %1</translation>
    </message>
</context>
<context>
    <name>korvo::TControlText</name>
    <message>
        <source>Selection tool</source>
        <translation>Herramienta de selección</translation>
    </message>
    <message>
        <source>node</source>
        <translation>nodo</translation>
    </message>
    <message>
        <source>Bezier slection tool</source>
        <translation>Herramienta de selección Bézier</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>polygon</source>
        <translation>polígono</translation>
    </message>
    <message>
        <source>Closed polygon</source>
        <translation>Polígono cerrado</translation>
    </message>
    <message>
        <source>polyline</source>
        <translation>polilínea</translation>
    </message>
    <message>
        <source>Open polygon</source>
        <translation>Polígono abierto</translation>
    </message>
    <message>
        <source>line</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Línea recta</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>curve</source>
        <translation>curva</translation>
    </message>
    <message>
        <source>Single curve</source>
        <translation>Curva simple</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>tube</source>
        <translation>tubo</translation>
    </message>
    <message>
        <source>Straight tube</source>
        <translation>Tubo recto</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>bend</source>
        <translation>codo</translation>
    </message>
    <message>
        <source>Tube bend</source>
        <translation>Tubo acodado</translation>
    </message>
    <message>
        <source>graph</source>
        <translation>cuadrícula</translation>
    </message>
    <message>
        <source>Graph paper</source>
        <translation>Papel milimetrado</translation>
    </message>
    <message>
        <source>dropper</source>
        <translation>cuentagotas</translation>
    </message>
    <message>
        <source>Select a colour</source>
        <translation>Tomar un color</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new blank drawing</source>
        <translation>Crear un dibujo nuevo en blanco</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing drawing</source>
        <translation>Abrir un dibujo existente</translation>
    </message>
    <message>
        <source>Reopen..</source>
        <translation>Reabrir..</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the current drawing</source>
        <translation>Guardar el dibujo actual</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save library as</source>
        <translation>Guardar la biblioteca como</translation>
    </message>
    <message>
        <source>Use another library</source>
        <translation>Usar otra biblioteca</translation>
    </message>
    <message>
        <source>Import..</source>
        <translation>Importar..</translation>
    </message>
    <message>
        <source>Import picture...</source>
        <translation>Importar imagen...</translation>
    </message>
    <message>
        <source>Take in an SVG picture as shapes</source>
        <translation>Incorporar una imagen SVG como formas</translation>
    </message>
    <message>
        <source>Export selected as metafile</source>
        <translation>Exportar la selección como metarchivo</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <translation>Imprimir el dibujo</translation>
    </message>
    <message>
        <source>Print selected</source>
        <translation>Imprimir la selección</translation>
    </message>
    <message>
        <source>Printer setup</source>
        <translation>Configurar impresora</translation>
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
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo the last action undone</source>
        <translation>Rehacer la última acción deshecha</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut selected items</source>
        <translation>Cortar los elementos seleccionados</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy selected items</source>
        <translation>Copiar los elementos seleccionados</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Clear background picture</source>
        <translation>Quitar la imagen de fondo</translation>
    </message>
    <message>
        <source>Rotate..</source>
        <translation>Girar..</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escalar</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Alinear</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>Show library</source>
        <translation>Mostrar la biblioteca</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>The library&apos;s thumbnail size.</extracomment>
        <translation>Pequeñas</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grandes</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Show / hide the grid</source>
        <translation>Mostrar / ocultar la cuadrícula</translation>
    </message>
    <message>
        <source>Snap to grid</source>
        <translation>Ajustar a la cuadrícula</translation>
    </message>
    <message>
        <source>Use special cursors</source>
        <translation>Usar cursores especiales</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>A colour theme of the window.</extracomment>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Search for help on</source>
        <translation>Buscar ayuda sobre</translation>
    </message>
    <message>
        <source>Drawing simple shapes</source>
        <translation>Dibujar formas sencillas</translation>
    </message>
    <message>
        <source>Drawing circuit diagrams</source>
        <translation>Dibujar esquemas eléctricos</translation>
    </message>
    <message>
        <source>Assembling glassware</source>
        <translation>Montar material de vidrio</translation>
    </message>
    <message>
        <source>Drawing biological diagrams</source>
        <translation>Dibujar esquemas de biología</translation>
    </message>
    <message>
        <source>Drawing a beaker</source>
        <translation>Dibujar un vaso de precipitados</translation>
    </message>
    <message>
        <source>Drawing connecting tubes</source>
        <translation>Dibujar tubos de conexión</translation>
    </message>
    <message>
        <source>Plotting the results of an experiment</source>
        <translation>Representar los resultados de un experimento</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>help</source>
        <translation>ayuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>group</source>
        <translation>agrupar</translation>
    </message>
    <message>
        <source>Group selected shapes</source>
        <translation>Agrupar las formas seleccionadas</translation>
    </message>
    <message>
        <source>ungroup</source>
        <translation>desagrupar</translation>
    </message>
    <message>
        <source>Ungroup selected shapes</source>
        <translation>Desagrupar las formas seleccionadas</translation>
    </message>
    <message>
        <source>to front</source>
        <translation>al frente</translation>
    </message>
    <message>
        <source>Move selected shapes to the front</source>
        <translation>Traer las formas seleccionadas al frente</translation>
    </message>
    <message>
        <source>to back</source>
        <translation>al fondo</translation>
    </message>
    <message>
        <source>Move selected shapes to the back</source>
        <translation>Enviar las formas seleccionadas al fondo</translation>
    </message>
    <message>
        <source>move back</source>
        <translation>enviar atrás</translation>
    </message>
    <message>
        <source>Move selected shapes back one layer</source>
        <translation>Enviar las formas seleccionadas una capa atrás</translation>
    </message>
    <message>
        <source>move forward</source>
        <translation>traer adelante</translation>
    </message>
    <message>
        <source>Move selected shapes forward one layer</source>
        <translation>Traer las formas seleccionadas una capa adelante</translation>
    </message>
    <message>
        <source>rotate</source>
        <translation>girar</translation>
    </message>
    <message>
        <source>Rotate selected shapes anti-clockwise</source>
        <translation>Girar las formas seleccionadas en sentido antihorario</translation>
    </message>
    <message>
        <source>Rotate selected shapes clockwise</source>
        <translation>Girar las formas seleccionadas en sentido horario</translation>
    </message>
    <message>
        <source>H mirror</source>
        <translation>Reflejo H</translation>
    </message>
    <message>
        <source>Mirror selected shapes horizontally</source>
        <translation>Reflejar horizontalmente las formas seleccionadas</translation>
    </message>
    <message>
        <source>V Mirror</source>
        <translation>Reflejo V</translation>
    </message>
    <message>
        <source>Mirror selected shapes vertically</source>
        <translation>Reflejar verticalmente las formas seleccionadas</translation>
    </message>
    <message>
        <source>Line styles</source>
        <translation>Estilos de línea</translation>
    </message>
    <message>
        <source>Line ending styles</source>
        <translation>Estilos de extremo de línea</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Rotate the selected shape</source>
        <translation>Girar la forma seleccionada</translation>
    </message>
    <message>
        <source>Apply to copy</source>
        <translation>Aplicar a una copia</translation>
    </message>
    <message>
        <source>Rotate a copy of the selected shape</source>
        <translation>Girar una copia de la forma seleccionada</translation>
    </message>
    <message>
        <source>Scale the selected shapes</source>
        <translation>Escalar las formas seleccionadas</translation>
    </message>
    <message>
        <source>Copy and scale the selected shapes</source>
        <translation>Copiar y escalar las formas seleccionadas</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The alignment tool bar&apos;s button that aligns centres; a letter or two.</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>Align centres of selected shapes</source>
        <translation>Alinear los centros de las formas seleccionadas</translation>
    </message>
    <message>
        <source>VC</source>
        <extracomment>Aligns centres vertically; a letter or two.</extracomment>
        <translation>CV</translation>
    </message>
    <message>
        <source>Align centres of selected shapes vertically</source>
        <translation>Alinear verticalmente los centros de las formas seleccionadas</translation>
    </message>
    <message>
        <source>HC</source>
        <extracomment>Aligns centres horizontally; a letter or two.</extracomment>
        <translation>CH</translation>
    </message>
    <message>
        <source>Align centres of selected shapes horizontally</source>
        <translation>Alinear horizontalmente los centros de las formas seleccionadas</translation>
    </message>
    <message>
        <source>L</source>
        <extracomment>Aligns left edges; a letter.</extracomment>
        <translation>I</translation>
    </message>
    <message>
        <source>Align left edges of selected shapes</source>
        <translation>Alinear los bordes izquierdos de las formas seleccionadas</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>Aligns right edges; a letter.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>Align right edges of selected shapes</source>
        <translation>Alinear los bordes derechos de las formas seleccionadas</translation>
    </message>
    <message>
        <source>T</source>
        <extracomment>Aligns top edges; a letter.</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>Align top edges of selected shapes</source>
        <translation>Alinear los bordes superiores de las formas seleccionadas</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>Aligns bottom edges; a letter.</extracomment>
        <translation>Inf</translation>
    </message>
    <message>
        <source>Align bottom edges of selected shapes</source>
        <translation>Alinear los bordes inferiores de las formas seleccionadas</translation>
    </message>
    <message>
        <source>Create a polygon with </source>
        <extracomment>Followed by the number of sides and the word &quot;sides&quot;.</extracomment>
        <translation>Crear un polígono de </translation>
    </message>
    <message>
        <source>Draw a polygon</source>
        <translation>Dibujar un polígono</translation>
    </message>
    <message>
        <source>Convert to polygon</source>
        <translation>Convertir en polígono</translation>
    </message>
    <message>
        <source>Convert to polyline</source>
        <translation>Convertir en polilínea</translation>
    </message>
    <message>
        <source>Convert to open curve</source>
        <translation>Convertir en curva abierta</translation>
    </message>
    <message>
        <source>Convert to closed curve</source>
        <translation>Convertir en curva cerrada</translation>
    </message>
    <message>
        <source>Convert to pentagon</source>
        <translation>Convertir en pentágono</translation>
    </message>
    <message>
        <source>Convert to hexagon</source>
        <translation>Convertir en hexágono</translation>
    </message>
    <message>
        <source>Convert to star</source>
        <translation>Convertir en estrella</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Edit graph paper..</source>
        <translation>Editar papel milimetrado..</translation>
    </message>
    <message>
        <source>Plot graph...</source>
        <translation>Trazar gráfica...</translation>
    </message>
    <message>
        <source>Delete node</source>
        <translation>Eliminar nodo</translation>
    </message>
    <message>
        <source>Add node</source>
        <translation>Añadir nodo</translation>
    </message>
    <message>
        <source>Change page order</source>
        <translation>Cambiar el orden de las páginas</translation>
    </message>
    <message>
        <source>Change the page order</source>
        <translation>Cambiar el orden de las páginas</translation>
    </message>
    <message>
        <source>New page</source>
        <translation>Página nueva</translation>
    </message>
    <message>
        <source>Insert a new page</source>
        <translation>Insertar una página nueva</translation>
    </message>
    <message>
        <source>Delete page</source>
        <translation>Eliminar página</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move the picture up the page</source>
        <translation>Subir la imagen en la página</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move the picture down the page</source>
        <translation>Bajar la imagen en la página</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete entry</source>
        <translation>Eliminar entrada</translation>
    </message>
    <message>
        <source>Rename shape</source>
        <translation>Cambiar nombre de la forma</translation>
    </message>
    <message>
        <source>Rename page</source>
        <translation>Cambiar nombre de la página</translation>
    </message>
    <message>
        <source>Move to page</source>
        <translation>Mover a la página</translation>
    </message>
    <message>
        <source>Add to library</source>
        <translation>Añadir a la biblioteca</translation>
    </message>
</context>
<context>
    <name>korvo::TDrawing</name>
    <message>
        <source>%1 cannot be imported. %2</source>
        <translation>No se puede importar %1. %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The picture holds nothing that Korvo can draw.</source>
        <translation>No se puede importar %1. La imagen no contiene nada que Korvo pueda dibujar.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2.</source>
        <translation>No se puede leer la imagen «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>korvo::TDrawingFile</name>
    <message>
        <source>&quot;%1&quot; is not a valid drawing file: %2.</source>
        <translation>«%1» no es un archivo de dibujo válido: %2.</translation>
    </message>
</context>
<context>
    <name>korvo::TExportFrm</name>
    <message>
        <source>A library name can hold only Western European letters.</source>
        <translation>Un nombre de biblioteca solo puede contener letras de Europa occidental.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>korvo::TFileCommands</name>
    <message>
        <source>Korvo files(*.kv)|*.kv</source>
        <translation>Archivos de Korvo(*.kv)|*.kv</translation>
    </message>
    <message>
        <source>Picture files(*.kv)|*.kv</source>
        <translation>Archivos de dibujo(*.kv)|*.kv</translation>
    </message>
    <message>
        <source>windows metafile(*.emf)|*.emf|SVG picture(*.svg)|*.svg|PDF document(*.pdf)|*.pdf|PNG picture(*.png)|*.png</source>
        <translation>Metarchivo de Windows(*.emf)|*.emf|Imagen SVG(*.svg)|*.svg|Documento PDF(*.pdf)|*.pdf|Imagen PNG(*.png)|*.png</translation>
    </message>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png</source>
        <translation>Todas (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|Archivo de imagen JPEG (*.jpg)|*.jpg|Archivo de imagen JPEG (*.jpeg)|*.jpeg|Mapas de bits (*.bmp)|*.bmp|Archivo de imagen PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>%1 has changed.<byte value="xd"/>Do you want to save the changes?</source>
        <translation>%1 ha cambiado.<byte value="xd"/>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>The current file has changed.<byte value="xd"/>Do you want to save the changes?</source>
        <translation>El archivo actual ha cambiado.<byte value="xd"/>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists; it has been taken off the list.</source>
        <translation>«%1» ya no existe; se ha quitado de la lista.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export as metafile</source>
        <translation>Exportar como metarchivo</translation>
    </message>
</context>
<context>
    <name>korvo::TGridFrm</name>
    <message>
        <source>Graph paper settings</source>
        <translation>Ajustes del papel milimetrado</translation>
    </message>
    <message>
        <source>%1 mm squares</source>
        <translation>Cuadros de %1 mm</translation>
    </message>
    <message>
        <source> Grid spacing  </source>
        <translation> Tamaño de los cuadros  </translation>
    </message>
    <message>
        <source> Major lines </source>
        <translation> Líneas principales </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>every  5</source>
        <translation>cada  5</translation>
    </message>
    <message>
        <source>every 10</source>
        <translation>cada 10</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>aplicar</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancelar</translation>
    </message>
</context>
<context>
    <name>korvo::THelpWindow</name>
    <message>
        <source>Korvo Help</source>
        <translation>Ayuda de Korvo</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation>Escriba la palabra clave que busca:</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
</context>
<context>
    <name>korvo::TLibEditFrm</name>
    <message>
        <source>apply</source>
        <translation>aplicar</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancelar</translation>
    </message>
    <message>
        <source>Move to page...</source>
        <translation>Mover a la página...</translation>
    </message>
    <message>
        <source>Available pages</source>
        <translation>Páginas disponibles</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>To page</source>
        <translation>A la página</translation>
    </message>
</context>
<context>
    <name>korvo::TLibOrgFrm</name>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move library pages</source>
        <translation>Ordenar las páginas de la biblioteca</translation>
    </message>
    <message>
        <source>Library pages</source>
        <translation>Páginas de la biblioteca</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>korvo::TLibraryPanel</name>
    <message>
        <source>Library page</source>
        <translation>Página de la biblioteca</translation>
    </message>
    <message>
        <source>The page of the library whose pictures the list shows</source>
        <translation>La página de la biblioteca cuyas imágenes muestra la lista</translation>
    </message>
    <message>
        <source>Library shapes</source>
        <translation>Formas de la biblioteca</translation>
    </message>
    <message>
        <source>Drag a picture onto the drawing area.</source>
        <translation>Arrastre una imagen al área de dibujo.</translation>
    </message>
</context>
<context>
    <name>korvo::TLineStyleMenus</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>Sin contorno</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>punteada</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Línea punteada</translation>
    </message>
    <message>
        <source>Solid line 1 pixel wide</source>
        <translation>Línea continua de 1 píxel de ancho</translation>
    </message>
    <message>
        <source>Solid line 2 pixels wide</source>
        <translation>Línea continua de 2 píxeles de ancho</translation>
    </message>
    <message>
        <source>Solid line 3 pixels wide</source>
        <translation>Línea continua de 3 píxeles de ancho</translation>
    </message>
    <message>
        <source>Solid line 4 pixels wide</source>
        <translation>Línea continua de 4 píxeles de ancho</translation>
    </message>
    <message>
        <source>Solid line 5 pixels wide</source>
        <translation>Línea continua de 5 píxeles de ancho</translation>
    </message>
    <message>
        <source>No line ending</source>
        <translation>Sin terminación de línea</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>flecha</translation>
    </message>
    <message>
        <source>Full-size arrowhead</source>
        <translation>Punta de flecha de tamaño completo</translation>
    </message>
    <message>
        <source>Three-quarter size arrowhead</source>
        <translation>Punta de flecha de tres cuartos</translation>
    </message>
    <message>
        <source>Half-size arrowhead</source>
        <translation>Punta de flecha de tamaño medio</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>Filled dot</source>
        <translation>Punto relleno</translation>
    </message>
    <message>
        <source>Line styles</source>
        <translation>Estilos de línea</translation>
    </message>
    <message>
        <source>Line ending styles</source>
        <translation>Terminaciones de línea</translation>
    </message>
</context>
<context>
    <name>korvo::TMainDrawFrm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Transformar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Library thumbnail size</source>
        <translation>Tamaño de las miniaturas de la biblioteca</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutoriales</translation>
    </message>
    <message>
        <source>Horizontal ruler</source>
        <translation>Regla horizontal</translation>
    </message>
    <message>
        <source>Vertical ruler</source>
        <translation>Regla vertical</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Library tools</source>
        <translation>Herramientas de la biblioteca</translation>
    </message>
    <message>
        <source>Pointer position</source>
        <translation>Posición del puntero</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Sugerencia</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Discard all %1 drawings kept for recovery?</source>
        <translation>¿Descartar los %1 dibujos guardados para su recuperación?</translation>
    </message>
    <message>
        <source>Close %1</source>
        <translation>Cerrar %1</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra de herramientas principal</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Rotation toolbar</source>
        <translation>Barra de herramientas de giro</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Ángulo de giro</translation>
    </message>
    <message>
        <source>The rotation angle must be a number</source>
        <translation>El ángulo de giro debe ser un número</translation>
    </message>
    <message>
        <source>Scale toolbar</source>
        <translation>Barra de herramientas de escala</translation>
    </message>
    <message>
        <source>Scale (%)</source>
        <translation>Escala (%)</translation>
    </message>
    <message>
        <source>The scale must be a whole number from 10 to 200</source>
        <translation>La escala debe ser un número entero de 10 a 200</translation>
    </message>
    <message>
        <source>Set the scale factor in %</source>
        <translation>Establecer el factor de escala en %</translation>
    </message>
    <message>
        <source>Aligment toolbar</source>
        <translation>Barra de herramientas de alineación</translation>
    </message>
    <message>
        <source>Polygon toolbar</source>
        <translation>Barra de herramientas de polígono</translation>
    </message>
    <message>
        <source>Set the number of sides</source>
        <translation>Establecer el número de lados</translation>
    </message>
    <message>
        <source>sides</source>
        <translation>lados</translation>
    </message>
    <message>
        <source>Radius (mm)</source>
        <translation>Radio (mm)</translation>
    </message>
    <message>
        <source>The radius must be a number from 10 to 200</source>
        <translation>El radio debe ser un número de 10 a 200</translation>
    </message>
</context>
<context>
    <name>korvo::TPaintErrors</name>
    <message>
        <source>Node selection </source>
        <translation>Selección de nodos </translation>
    </message>
    <message>
        <source>Draw </source>
        <translation>Dibujo </translation>
    </message>
</context>
<context>
    <name>korvo::TPalettePanel</name>
    <message>
        <source>Scroll the palette up</source>
        <translation>Desplazar la paleta hacia arriba</translation>
    </message>
    <message>
        <source>Scroll the palette down</source>
        <translation>Desplazar la paleta hacia abajo</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>Paleta de colores</translation>
    </message>
    <message>
        <source>Click a colour to fill the selected shapes, right click to colour their outlines</source>
        <translation>Haga clic en un color para rellenar las formas seleccionadas o clic derecho para colorear sus contornos</translation>
    </message>
    <message>
        <source>Fill with a colour of your choice</source>
        <translation>Rellenar con un color a su elección</translation>
    </message>
</context>
<context>
    <name>korvo::TPicture</name>
    <message>
        <source>Pictures can be exported as .emf, .svg, .pdf or .png files only.</source>
        <translation>Las imágenes solo se pueden exportar como archivos .emf, .svg, .pdf o .png.</translation>
    </message>
</context>
<context>
    <name>korvo::TPictureImport</name>
    <message>
        <source>SVG pictures (*.svg *.svgz)|*.svg;*.svgz|SVG (*.svg)|*.svg|Compressed SVG (*.svgz)|*.svgz</source>
        <translation>Imágenes SVG (*.svg *.svgz)|*.svg;*.svgz|SVG (*.svg)|*.svg|SVG comprimido (*.svgz)|*.svgz</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Importar imagen</translation>
    </message>
    <message>
        <source>The picture on the clipboard</source>
        <translation>La imagen del portapapeles</translation>
    </message>
</context>
<context>
    <name>korvo::TPlotAxesPanel</name>
    <message>
        <source>Axes</source>
        <translation>Ejes</translation>
    </message>
    <message>
        <source>Arrow heads</source>
        <translation>Puntas de flecha</translation>
    </message>
    <message>
        <source>One square is worth</source>
        <translation>Un cuadro vale</translation>
    </message>
    <message>
        <source>One major line is worth</source>
        <translation>Una línea principal vale</translation>
    </message>
    <message>
        <source>at the major lines</source>
        <translation>en las líneas principales</translation>
    </message>
    <message>
        <source>every N squares</source>
        <translation>cada N cuadros</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>in black</source>
        <translation>en negro</translation>
    </message>
    <message>
        <source>in the paper&apos;s colour</source>
        <translation>del color del papel</translation>
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
        <translation>desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>x axis</source>
        <translation>eje x</translation>
    </message>
    <message>
        <source>y axis</source>
        <translation>eje y</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>the start of the x axis</source>
        <translation>el inicio del eje x</translation>
    </message>
    <message>
        <source>the end of the x axis</source>
        <translation>el final del eje x</translation>
    </message>
    <message>
        <source>the start of the y axis</source>
        <translation>el inicio del eje y</translation>
    </message>
    <message>
        <source>the end of the y axis</source>
        <translation>el final del eje y</translation>
    </message>
    <message>
        <source>the value along x</source>
        <translation>el valor en x</translation>
    </message>
    <message>
        <source>the value along y</source>
        <translation>el valor en y</translation>
    </message>
    <message>
        <source>Type a number for %1.</source>
        <translation>Escriba un número para %1.</translation>
    </message>
    <message>
        <source>The x axis must end at a larger value than it starts at.</source>
        <translation>El eje x debe terminar en un valor mayor que aquel en el que empieza.</translation>
    </message>
    <message>
        <source>The y axis must end at a larger value than it starts at.</source>
        <translation>El eje y debe terminar en un valor mayor que aquel en el que empieza.</translation>
    </message>
    <message>
        <source>The value of a square or a major line must be more than nothing.</source>
        <translation>El valor de un cuadro o de una línea principal debe ser mayor que cero.</translation>
    </message>
</context>
<context>
    <name>korvo::TPlotCurvePanel</name>
    <message>
        <source>The first row was taken as a header.</source>
        <translation>La primera fila se tomó como encabezado.</translation>
    </message>
    <message>
        <source>The table is longer than a graph keeps: shorten its rows or take fewer.</source>
        <translation>La tabla es más larga de lo que admite una gráfica: acorte sus filas o tome menos.</translation>
    </message>
    <message>
        <source>The table holds no points: type or paste two columns, x then y.</source>
        <translation>La tabla no contiene puntos: escriba o pegue dos columnas, primero la x y después la y.</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Measured points</source>
        <translation>Puntos medidos</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Write on the graph</source>
        <translation>Escribir en la gráfica</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radianes</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>× cross</source>
        <translation>× aspa</translation>
    </message>
    <message>
        <source>+ plus</source>
        <translation>+ más</translation>
    </message>
    <message>
        <source>○ ring</source>
        <translation>○ círculo</translation>
    </message>
    <message>
        <source>● dot</source>
        <translation>● punto</translation>
    </message>
    <message>
        <source>□ square</source>
        <translation>□ cuadrado</translation>
    </message>
    <message>
        <source>no line</source>
        <translation>sin línea</translation>
    </message>
    <message>
        <source>straight lines</source>
        <translation>líneas rectas</translation>
    </message>
    <message>
        <source>smooth curve</source>
        <translation>curva suave</translation>
    </message>
    <message>
        <source>best-fit straight line</source>
        <translation>recta de ajuste</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>continua</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>punteada</translation>
    </message>
    <message>
        <source>y =</source>
        <translation>y =</translation>
    </message>
    <message>
        <source>x and y in two columns, separated by a tab, a semicolon or a comma</source>
        <translation>x e y en dos columnas, separadas por un tabulador, un punto y coma o una coma</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>as it was</source>
        <translation>como estaba</translation>
    </message>
    <message>
        <source>Best-fit line: gradient %1, intercept %2</source>
        <translation>Recta de ajuste: pendiente %1, ordenada en el origen %2</translation>
    </message>
    <message>
        <source>A best-fit line needs points at two different values of x.</source>
        <translation>Una recta de ajuste necesita puntos en dos valores distintos de x.</translation>
    </message>
    <message>
        <source>%1 point.</source>
        <translation>%1 punto.</translation>
    </message>
    <message>
        <source>%1 points.</source>
        <translation>%1 puntos.</translation>
    </message>
    <message>
        <source>%1 row that does not hold two numbers was skipped.</source>
        <translation>Se omitió %1 fila que no contiene dos números.</translation>
    </message>
    <message>
        <source>%1 rows that do not hold two numbers were skipped.</source>
        <translation>Se omitieron %1 filas que no contienen dos números.</translation>
    </message>
    <message>
        <source>Only the first %2 rows are taken: %1 more was left out.</source>
        <translation>Solo se toman las primeras %2 filas: se ha dejado fuera %1 más.</translation>
    </message>
    <message>
        <source>Only the first %2 rows are taken: %1 more were left out.</source>
        <translation>Solo se toman las primeras %2 filas: se han dejado fuera %1 más.</translation>
    </message>
    <message>
        <source>%1 point lies outside the axes and is left out.</source>
        <translation>%1 punto queda fuera de los ejes y se omite.</translation>
    </message>
    <message>
        <source>%1 points lie outside the axes and are left out.</source>
        <translation>%1 puntos quedan fuera de los ejes y se omiten.</translation>
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
        <translation>puntos medidos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Plot graph</source>
        <translation>Trazar una gráfica</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Curvas</translation>
    </message>
    <message>
        <source>Curve %1: %2</source>
        <translation>Curva %1: %2</translation>
    </message>
</context>
<context>
    <name>korvo::TPolyLib</name>
    <message>
        <source>Invalid library file</source>
        <translation>Archivo de biblioteca no válido</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: another Korvo window is writing it.</source>
        <translation>No se puede guardar «%1»: otra ventana de Korvo lo está escribiendo.</translation>
    </message>
    <message>
        <source>The library was changed by another Korvo window. Load it again and repeat your change?</source>
        <translation>La biblioteca se ha modificado en otra ventana de Korvo. ¿Cargarla de nuevo y repetir el cambio?</translation>
    </message>
    <message>
        <source>The library has been left as it was.</source>
        <translation>La biblioteca se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid library file: %2.</source>
        <translation>«%1» no es un archivo de biblioteca válido: %2.</translation>
    </message>
</context>
<context>
    <name>korvo::TPrintPreviewFrm</name>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the print preview</source>
        <translation>Cerrar la vista previa de impresión</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Default position</source>
        <translation>Posición predeterminada</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Centre pict on page</source>
        <translation>Centrar la imagen en la página</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Fit picture to page</source>
        <translation>Ajustar la imagen a la página</translation>
    </message>
    <message>
        <source>No printer is available</source>
        <translation>No hay ninguna impresora disponible</translation>
    </message>
    <message>
        <source>The current printer cannot print to A3 paper</source>
        <translation>La impresora actual no puede imprimir en papel A3</translation>
    </message>
    <message>
        <source>The page is larger than the printer&apos;s paper</source>
        <translation>La página es más grande que el papel de la impresora</translation>
    </message>
</context>
<context>
    <name>korvo::TRecoveryFrm</name>
    <message>
        <source>Recover unsaved drawings</source>
        <translation>Recuperar dibujos no guardados</translation>
    </message>
    <message>
        <source>Korvo ended without saving these drawings.</source>
        <translation>Korvo se cerró sin guardar estos dibujos.</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Discard all</source>
        <translation>Descartar todos</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>korvo::TRecoveryStore</name>
    <message>
        <source>It could not be put aside and stays as &quot;%1&quot;.</source>
        <translation>No se pudo apartar y se queda como «%1».</translation>
    </message>
    <message>
        <source>The drawing kept for recovery has been put aside as &quot;%1&quot;.</source>
        <translation>El dibujo guardado para la recuperación se ha apartado como «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid recovery description.</source>
        <translation>«%1» no es una descripción de recuperación válida.</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>No se puede crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>Cannot lock &quot;%1&quot;.</source>
        <translation>No se puede bloquear «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to read in the memory at hand.</source>
        <translation>«%1» es demasiado grande para leerlo con la memoria disponible.</translation>
    </message>
</context>
<context>
    <name>korvo::TSurfaceWidget</name>
    <message>
        <source>Drawing surface</source>
        <translation>Superficie de dibujo</translation>
    </message>
</context>
<context>
    <name>korvo::TTextFrm</name>
    <message>
        <source>Sample</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Tamaños</translation>
    </message>
    <message>
        <source>style</source>
        <translation>estilo</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>U</source>
        <comment>underline</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Subscript: lowers the selected characters (%1)</source>
        <translation>Subíndice: baja los caracteres seleccionados (%1)</translation>
    </message>
    <message>
        <source>Superscript: raises the selected characters (%1)</source>
        <translation>Superíndice: sube los caracteres seleccionados (%1)</translation>
    </message>
    <message>
        <source>Subscript</source>
        <translation>Subíndice</translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation>Superíndice</translation>
    </message>
    <message>
        <source>Chemical formula</source>
        <translation>Fórmula química</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>aplicar</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancelar</translation>
    </message>
    <message>
        <source>Text properties</source>
        <translation>Propiedades del texto</translation>
    </message>
    <message>
        <source>No single character set holds all of these characters; write them as separate texts.</source>
        <translation>Ningún juego de caracteres contiene todos estos caracteres; escríbalos como textos separados.</translation>
    </message>
</context>
<context>
    <name>korvo::TToolInfo</name>
    <message>
        <source>Click to select a shape. Control click to multiselect,</source>
        <translation>Haga clic para seleccionar una forma. Ctrl+clic para seleccionar varias.</translation>
    </message>
    <message>
        <source>Click to add a point. Right click to end drawing</source>
        <translation>Haga clic para añadir un punto. Clic derecho para terminar el dibujo</translation>
    </message>
    <message>
        <source>Click to edit nodes</source>
        <translation>Haga clic para editar los nodos</translation>
    </message>
    <message>
        <source>Click and drag to draw a rectangle.</source>
        <translation>Haga clic y arrastre para dibujar un rectángulo.</translation>
    </message>
    <message>
        <source>Click and drag to draw a circle.</source>
        <translation>Haga clic y arrastre para dibujar un círculo.</translation>
    </message>
    <message>
        <source>Click and drag to draw a straight line</source>
        <translation>Haga clic y arrastre para trazar una línea recta</translation>
    </message>
    <message>
        <source>Click and drag to draw a straight line ending in an arrow.</source>
        <translation>Haga clic y arrastre para trazar una línea recta terminada en flecha.</translation>
    </message>
    <message>
        <source>Click and drag to draw a curve</source>
        <translation>Haga clic y arrastre para trazar una curva</translation>
    </message>
    <message>
        <source>Click and drag to draw a sine wave.</source>
        <translation>Haga clic y arrastre para trazar una onda sinusoidal.</translation>
    </message>
    <message>
        <source>Click and drag to draw a straight tube.</source>
        <translation>Haga clic y arrastre para dibujar un tubo recto.</translation>
    </message>
    <message>
        <source>Click to add text</source>
        <translation>Haga clic para añadir texto</translation>
    </message>
    <message>
        <source>Click and drag to draw a tube bend.</source>
        <translation>Haga clic y arrastre para dibujar un tubo acodado.</translation>
    </message>
    <message>
        <source>Click and drag to draw a grid.</source>
        <translation>Haga clic y arrastre para dibujar una cuadrícula.</translation>
    </message>
</context>
<context>
    <name>korvo::UndoStep</name>
    <message>
        <source>add object</source>
        <translation>añadir objeto</translation>
    </message>
    <message>
        <source>create line</source>
        <translation>crear línea</translation>
    </message>
    <message>
        <source>create arrow</source>
        <translation>crear flecha</translation>
    </message>
    <message>
        <source>create polygon</source>
        <translation>crear polígono</translation>
    </message>
    <message>
        <source>create polyline</source>
        <translation>crear polilínea</translation>
    </message>
    <message>
        <source>create circle</source>
        <translation>crear círculo</translation>
    </message>
    <message>
        <source>create curve</source>
        <translation>crear curva</translation>
    </message>
    <message>
        <source>create text</source>
        <translation>crear texto</translation>
    </message>
    <message>
        <source>create tube</source>
        <translation>crear tubo</translation>
    </message>
    <message>
        <source>create sine</source>
        <translation>crear sinusoide</translation>
    </message>
    <message>
        <source>move selection</source>
        <translation>mover selección</translation>
    </message>
    <message>
        <source>edit node</source>
        <translation>editar nodo</translation>
    </message>
    <message>
        <source>resize selection</source>
        <translation>cambiar tamaño de selección</translation>
    </message>
    <message>
        <source>delete node</source>
        <translation>eliminar nodo</translation>
    </message>
    <message>
        <source>group selection</source>
        <translation>agrupar selección</translation>
    </message>
    <message>
        <source>ungroup selection</source>
        <translation>desagrupar selección</translation>
    </message>
    <message>
        <source>create rectangle</source>
        <translation>crear rectángulo</translation>
    </message>
    <message>
        <source>fill colour</source>
        <translation>color de relleno</translation>
    </message>
    <message>
        <source>line colour</source>
        <translation>color de línea</translation>
    </message>
    <message>
        <source>line style</source>
        <translation>estilo de línea</translation>
    </message>
    <message>
        <source>line ending style</source>
        <translation>estilo de extremo de línea</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>rotación</translation>
    </message>
    <message>
        <source>reflection</source>
        <translation>reflexión</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>pegar</translation>
    </message>
    <message>
        <source>delete selection</source>
        <translation>eliminar selección</translation>
    </message>
    <message>
        <source>move back one</source>
        <translation>enviar atrás un nivel</translation>
    </message>
    <message>
        <source>move forward one</source>
        <translation>traer adelante un nivel</translation>
    </message>
    <message>
        <source>move to back</source>
        <translation>enviar al fondo</translation>
    </message>
    <message>
        <source>move to front</source>
        <translation>traer al frente</translation>
    </message>
    <message>
        <source>convert to curve</source>
        <translation>convertir en curva</translation>
    </message>
    <message>
        <source>convert to polygon</source>
        <translation>convertir en polígono</translation>
    </message>
    <message>
        <source>remove labels</source>
        <translation>quitar etiquetas</translation>
    </message>
    <message>
        <source>alignment</source>
        <translation>alineación</translation>
    </message>
    <message>
        <source>convert to open polygon</source>
        <translation>convertir en polígono abierto</translation>
    </message>
    <message>
        <source>add node</source>
        <translation>añadir nodo</translation>
    </message>
    <message>
        <source>import picture</source>
        <translation>importar imagen</translation>
    </message>
    <message>
        <source>edit text</source>
        <translation>editar texto</translation>
    </message>
    <message>
        <source>plot graph</source>
        <translation>trazar gráfica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
</context>
</TS>
