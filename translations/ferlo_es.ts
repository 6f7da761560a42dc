<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Activities</name>
    <message>
        <source>The deck has %1 different pictures, but a %2 × %3 board needs %4.</source>
        <translation>El mazo tiene %1 imágenes distintas, pero un cartón de %2 × %3 necesita %4.</translation>
    </message>
    <message>
        <source>The deck&apos;s %1 pictures make only %2 different boards of %3 pictures: ask for fewer boards or add pictures.</source>
        <translation>Las %1 imágenes del mazo solo dan %2 cartones distintos de %3 imágenes: pida menos cartones o añada imágenes.</translation>
    </message>
    <message>
        <source>A game has 1 to %1 boards, not %2.</source>
        <translation>Un juego tiene de 1 a %1 cartones, no %2.</translation>
    </message>
    <message>
        <source>A bingo board is 3 × 3, 4 × 4 or 5 × 5, not %1 × %2.</source>
        <translation>Un cartón de bingo es de 3 × 3, 4 × 4 o 5 × 5, no de %1 × %2.</translation>
    </message>
    <message>
        <source>A lotto board has 1 to %3 columns and rows and at least 2 cards, not %1 × %2.</source>
        <translation>Un cartón de lotería tiene de 1 a %3 columnas y filas y al menos 2 cartas, no %1 × %2.</translation>
    </message>
    <message>
        <source>A %1 × %2 board has no centre cell to leave free.</source>
        <translation>Un cartón de %1 × %2 no tiene casilla central que dejar libre.</translation>
    </message>
    <message>
        <source>There are no pictures to make a game of.</source>
        <translation>No hay imágenes con las que hacer un juego.</translation>
    </message>
    <message>
        <source>Board %1 (game %2)</source>
        <translation>Cartón %1 (juego %2)</translation>
    </message>
    <message>
        <source>Caller&apos;s sheet (game %1)</source>
        <translation>Lista del cantor (juego %1)</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>BACK. Hold the sheet to the light with this side towards you.
Where the front&apos;s line crosses the top scale is X; where it crosses the left scale is Y.
Type X and Y as the back offset (File &gt; Double-Sided Printing).</source>
        <translation>REVERSO. Sostenga la hoja a contraluz con esta cara hacia usted.
Donde la raya del anverso cruza la regla superior está X; donde cruza la regla izquierda está Y.
Escriba X e Y como desplazamiento del reverso (Archivo &gt; Impresión a doble cara).</translation>
    </message>
    <message>
        <source>FRONT of the calibration sheet.
Print it double-sided, as you print cards with word backs, then turn it over.</source>
        <translation>ANVERSO de la hoja de calibración.
Imprímala a doble cara, igual que las tarjetas con reversos con palabras, y luego dele la vuelta.</translation>
    </message>
</context>
<context>
    <name>CardLayout</name>
    <message>
        <source>%1 landscape</source>
        <translation>%1 horizontal</translation>
    </message>
    <message>
        <source>%1 portrait</source>
        <translation>%1 vertical</translation>
    </message>
    <message>
        <source>%1 × %2 mm paper landscape</source>
        <translation>papel de %1 × %2 mm horizontal</translation>
    </message>
    <message>
        <source>%1 × %2 mm paper portrait</source>
        <translation>papel de %1 × %2 mm vertical</translation>
    </message>
    <message>
        <source>A grid has 1 to 10 columns and 1 to 10 rows, not %1 × %2.</source>
        <translation>Una cuadrícula tiene de 1 a 10 columnas y de 1 a 10 filas, no %1 × %2.</translation>
    </message>
    <message>
        <source>The paper must be more than 0 and at most 1000 mm on either side, not %1 × %2 mm.</source>
        <translation>El papel debe medir más de 0 y como máximo 1000 mm por cada lado, no %1 × %2 mm.</translation>
    </message>
    <message>
        <source>A card needs a width and a height above 0 and gaps of 0 or more.</source>
        <translation>Una tarjeta necesita un ancho y un alto mayores que 0 y separaciones de 0 o más.</translation>
    </message>
    <message>
        <source>%1 × %2 cards of %3 × %4 mm with their gaps need %5 × %6 mm, more than the %7 × %8 mm that can be printed on %9.</source>
        <translation>%1 × %2 tarjetas de %3 × %4 mm con sus separaciones necesitan %5 × %6 mm, más de los %7 × %8 mm que se pueden imprimir en %9.</translation>
    </message>
    <message>
        <source>A margin of %1 mm leaves no room on %2.</source>
        <translation>Un margen de %1 mm no deja sitio en %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the option --%1 needs a value</source>
        <translation>la opción --%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1 (see ferlo --help)</source>
        <translation>opción desconocida %1 (vea ferlo --help)</translation>
    </message>
    <message>
        <source>the option --%1 takes no value</source>
        <translation>la opción --%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>bad page size &quot;%1&quot;: use A4, Letter, A5 or Legal</source>
        <translation>tamaño de página incorrecto &quot;%1&quot;: use A4, Letter, A5 o Legal</translation>
    </message>
    <message>
        <source>bad --back-offset &quot;%1&quot;: use X,Y in millimetres, each from -10 to 10 (e.g. 1.5,-2)</source>
        <translation>--back-offset incorrecto &quot;%1&quot;: use X,Y en milímetros, cada uno de -10 a 10 (p. ej. 1.5,-2)</translation>
    </message>
    <message>
        <source>the option --print-to needs a file name</source>
        <translation>la opción --print-to necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>bad number of pictures per page &quot;%1&quot;: use 1, 2, 4, 6 or 8</source>
        <translation>número de imágenes por página incorrecto &quot;%1&quot;: use 1, 2, 4, 6 u 8</translation>
    </message>
    <message>
        <source>bad --flip &quot;%1&quot;: use long or short</source>
        <translation>--flip incorrecto &quot;%1&quot;: use long o short</translation>
    </message>
    <message>
        <source>bad resolution &quot;%1&quot;: use 72 to 1200 dots per inch</source>
        <translation>resolución incorrecta &quot;%1&quot;: use de 72 a 1200 puntos por pulgada</translation>
    </message>
    <message>
        <source>no output file: give --print-to OUT.pdf</source>
        <translation>no hay archivo de salida: indique --print-to SALIDA.pdf</translation>
    </message>
    <message>
        <source>no pictures to print</source>
        <translation>no hay imágenes que imprimir</translation>
    </message>
    <message>
        <source>cannot load the picture %1: %2</source>
        <translation>no se puede cargar la imagen %1: %2</translation>
    </message>
    <message>
        <source>Nothing to print: the deck files hold no cards</source>
        <translation>Nada que imprimir: los archivos de mazo no contienen tarjetas</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --print-to</source>
        <translation>la opción --%1 solo se aplica con --print-to</translation>
    </message>
    <message>
        <source>ferlo: %1: the picture is damaged and shows only in part</source>
        <translation>ferlo: %1: la imagen está dañada y solo se ve en parte</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2: %3</source>
        <translation>valor incorrecto &quot;%1&quot; para --%2: %3</translation>
    </message>
    <message>
        <source>give a brand and part number, such as &quot;Avery 5371&quot; (see --list-sheets)</source>
        <translation>indique una marca y una referencia, como &quot;Avery 5371&quot; (vea --list-sheets)</translation>
    </message>
    <message>
        <source>use COLUMNSxROWS, each 1 to 10, such as 4x5</source>
        <translation>use COLUMNASxFILAS, cada una de 1 a 10, como 4x5</translation>
    </message>
    <message>
        <source>use WIDTHxHEIGHT with a unit mm, cm, in or pt, such as 2inx2in or 85x55mm</source>
        <translation>use ANCHOxALTO con una unidad mm, cm, in o pt, como 2inx2in u 85x55mm</translation>
    </message>
    <message>
        <source>use a length with a unit such as 3mm or 0.125in, or ACROSSxDOWN such as 3x5mm</source>
        <translation>use una longitud con una unidad, como 3mm o 0.125in, o HORIZONTALxVERTICAL, como 3x5mm</translation>
    </message>
    <message>
        <source>use A4, A5, A3, Letter, Legal, or WIDTHxHEIGHT with a unit, such as 100x150mm or 4inx6in</source>
        <translation>use A4, A5, A3, Letter, Legal o ANCHOxALTO con una unidad, como 100x150mm o 4inx6in</translation>
    </message>
    <message>
        <source>a paper is at most 1000 mm on either side</source>
        <translation>un papel mide como máximo 1000 mm por cada lado</translation>
    </message>
    <message>
        <source>use 0 to 6 mm with a unit, such as 3mm</source>
        <translation>use de 0 a 6 mm con una unidad, como 3mm</translation>
    </message>
    <message>
        <source>the option --%1 needs %2</source>
        <translation>la opción --%1 necesita %2</translation>
    </message>
    <message>
        <source>--grid or --sheet</source>
        <translation>--grid o --sheet</translation>
    </message>
    <message>
        <source>give either --grid or --sheet, not both</source>
        <translation>indique --grid o --sheet, no ambas</translation>
    </message>
    <message>
        <source>--grid (a sheet has its own paper and labels)</source>
        <translation>--grid (una hoja tiene su propio papel y sus propias etiquetas)</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --sheet: %2</source>
        <translation>valor incorrecto &quot;%1&quot; para --sheet: %2</translation>
    </message>
    <message>
        <source>--card-size (without it the page is divided evenly)</source>
        <translation>--card-size (sin ella la página se divide por igual)</translation>
    </message>
    <message>
        <source>the grid does not fit: %1</source>
        <translation>la cuadrícula no cabe: %1</translation>
    </message>
    <message>
        <source>round </source>
        <translation>redonda </translation>
    </message>
    <message>
        <source>ellipse </source>
        <translation>elíptica </translation>
    </message>
    <message>
        <source>%1	%2	%3	%4%5 x %6 mm	%7 per sheet</source>
        <translation>%1	%2	%3	%4%5 x %6 mm	%7 por hoja</translation>
    </message>
    <message>
        <source>No installed sheet matches &quot;%1&quot;.</source>
        <translation>Ninguna hoja instalada coincide con &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ferlo: the speech engine or its voices are not installed (espeak-ng-data)</source>
        <translation>ferlo: el motor de voz o sus voces no están instalados (espeak-ng-data)</translation>
    </message>
    <message>
        <source>ferlo: unknown voice &quot;%1&quot;; the voices are: %2</source>
        <translation>ferlo: voz desconocida &quot;%1&quot;; las voces son: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the option --speak-to needs a folder name</source>
        <translation>la opción --speak-to necesita un nombre de carpeta</translation>
    </message>
    <message>
        <source>bad rate &quot;%1&quot;: use %2 to %3 words per minute</source>
        <translation>velocidad incorrecta &quot;%1&quot;: use de %2 a %3 palabras por minuto</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --speak-to</source>
        <translation>la opción --%1 solo se aplica con --speak-to</translation>
    </message>
    <message>
        <source>will not write over %1: it is one of the inputs; give the PDF&apos;s name after --print-to, such as --print-to cards.pdf</source>
        <translation>no se sobrescribe %1: es una de las entradas; dé el nombre del PDF tras --print-to, como --print-to tarjetas.pdf</translation>
    </message>
    <message>
        <source>will not write over %1: it is not a PDF; give the PDF&apos;s name after --print-to, such as --print-to cards.pdf</source>
        <translation>no se sobrescribe %1: no es un PDF; dé el nombre del PDF tras --print-to, como --print-to tarjetas.pdf</translation>
    </message>
    <message>
        <source>give either --print-to or --speak-to, not both</source>
        <translation>indique --print-to o --speak-to, no ambas</translation>
    </message>
    <message>
        <source>the option --%1 does not apply with --speak-to</source>
        <translation>la opción --%1 no se aplica con --speak-to</translation>
    </message>
    <message>
        <source>no words to speak: give pictures or decks after --speak-to DIR</source>
        <translation>no hay palabras que decir: indique imágenes o mazos tras --speak-to CARPETA</translation>
    </message>
    <message>
        <source>Cards from words:
  --words &quot;W1, W2, ...&quot;  a card cell for each word or phrase (separated by commas):
                         a picture named after it in a --pictures folder, else the
                         best symbol of the installed OpenMoji set for it, searched
                         in the language of --lang (else the program&apos;s), then in
                         English and the other languages; the label is the word as
                         typed. A word that finds nothing is named, and nothing is
                         written (exit status 1)
  --words-from FILE      the words of a UTF-8 text file, one word or phrase a line
  --pictures DIR         a folder whose pictures are named after words (dog.jpg,
                         Dog2.png for &quot;dog&quot;); may be given more than once
  --line-art             the symbols&apos; black line art instead of their colours
All layout options apply; without --per-page the words take the smallest count that
holds them all (up to 8). The word cards print after the pictures and decks given.
</source>
        <translation>Tarjetas a partir de palabras:
  --words &quot;P1, P2, ...&quot;  una celda de tarjeta por cada palabra o frase (separadas por comas):
                         una imagen con su nombre en una carpeta de --pictures, si no el
                         mejor símbolo del conjunto OpenMoji instalado, buscado en el
                         idioma de --lang (si no, el del programa), luego en inglés y en
                         los demás idiomas; la etiqueta es la palabra tal como se escribió.
                         Una palabra que no encuentra nada se nombra y no se escribe nada
                         (estado de salida 1)
  --words-from ARCHIVO   las palabras de un archivo de texto UTF-8, una palabra o frase por línea
  --pictures CARPETA     una carpeta cuyas imágenes llevan el nombre de palabras (dog.jpg,
                         Dog2.png para &quot;dog&quot;); puede darse más de una vez
  --line-art             el dibujo de líneas negro de los símbolos en lugar de sus colores
Se aplican todas las opciones de diseño; sin --per-page las palabras toman el menor número
que las contiene todas (hasta 8). Las tarjetas de palabras se imprimen después de las
imágenes y los mazos indicados.
</translation>
    </message>
    <message>
        <source>Usage: ferlo --print-to OUT.pdf [options] PICTURE|DECK...
       ferlo [card options] [PICTURE|DECK...]
       ferlo --speak-to DIR [--voice NAME] [--rate WPM] PICTURE|DECK...

Writes the pictures as flash cards into a PDF file, without opening a window. The pictures
fill the cells of a page in the order given; more pictures than a page holds continue on
further pages, each page laid out exactly as one Print lays it out.

Without --print-to the window opens with the pictures on a card laid out as the card
options say (--per-page to --backs, and the grid and sheet options --grid to
--outlines below); --flip, --back-offset, --fold-over, --page-size, --resolution,
--print-as-dib and --print-as-original apply only with --print-to.

Options:
  --print-to OUT.pdf     the PDF file to write (required); it is replaced only when
                         the whole document has been written
  --per-page N           pictures per page: 1, 2, 4, 6 or 8 (default 4); given with
                         a DECK it wins over the deck&apos;s own counts (see below)
  --portrait             portrait pages
  --landscape            landscape pages (the default)
  --labels-off           no label words under the pictures
  --lowercase            label words in lower case (default upper case)
  --cutlines-off         no frame and no cut lines
  --backs                after each page a back page with each picture&apos;s word in
                         the mirrored cell, for double-sided printing (in the window:
                         checks File &gt; Print Word Backs, which is remembered)
  --flip long|short      the edge the sheet is turned over on to read the backs
                         (default: a deck&apos;s own choice, else the long edge for
                         portrait cards and the short edge for landscape ones)
  --back-offset X,Y      move every back page by X mm to the right and Y mm down,
                         -10 to 10 each, so that the backs meet their fronts
  --fold-over            instead of back pages, each front and its word on one sheet
                         to fold in the middle (2 or more pictures per page)
  --page-size SIZE       A4, Letter, A5 or Legal (default A4)
  --resolution DPI       device pixels per inch, 72 to 1200 (default 600)
  --print-as-dib         draw pictures through their device-independent form
  --print-as-original    draw pictures as decoded
                         (default: the stored print option)
  --grid CxR             a grid of C columns and R rows (1 to 10 each) in place of
                         --per-page; the page is divided evenly unless --card-size
  --card-size WxH        the grid&apos;s cards at this size, centred, such as 2inx2in or
                         85x55mm (units mm, cm, in, pt)
  --gap LENGTH           the gap between the grid&apos;s cards, such as 3mm (or AxDmm)
  --paper PAPER          the grid&apos;s paper: A4, A5, A3, Letter, Legal or WxH with a
                         unit (default Letter); --portrait and --landscape turn it
  --sheet &quot;BRAND PART&quot;   a label or card sheet of the installed sheet templates
                         (package glabels-data), such as &quot;Avery 5371&quot;
  --fill                 crop each picture to fill its area (default: fit it)
  --bleed LENGTH         filled pictures run this far past the trim, 0 to 6 mm
  --outlines             a thin line along each card&apos;s edge
  --list-sheets [TEXT]   list the installed sheets whose brand, part number or
                         description hold TEXT: brand, part, description, label
                         size and labels per sheet
  --speak-to DIR         instead of a PDF, write DIR/WORD.wav for every word of the
                         pictures and decks that has no recording, spoken by the
                         speech engine; prints each file written
  --voice NAME           with --speak-to: the voice, a language such as en-GB or de
                         (default: a deck&apos;s language, else the program&apos;s)
  --rate WPM             with --speak-to: words per minute, 80 to 450 (default 175)
  --list-symbols WORD    list the symbols a word finds, best first, in the language
                         of --lang: hexcode, name and keywords (a file of the
                         user&apos;s symbol folders: its path, its word)
  --lang CODE            the language of the program&apos;s texts and messages, such as
                         de, es, fr or ar (default: FERLO_LANG, else the system&apos;s;
                         en for English)
  --quiet                no &quot;page n of m&quot; progress on standard error (shown only
                         when standard error is a terminal)
  --help                 show this text
  --version              show the program&apos;s name and version (ferlo VERSION)
  --                     what follows are pictures, even if they begin with &apos;-&apos;

The label word of a picture is its file name without folder, extension and trailing
digits.

A DECK is a deck file (a name ending in .ferlo): each of its cards prints as one page in
the card&apos;s own count, orientation and switches, with its own label words. Inputs print
in the order given; pictures given between decks fill pages of their own as above.
With --per-page N the deck is laid out anew, as Card &gt; Change Layout of All Cards does:
its pictures in order, with their words, fill pages of N, in its first card&apos;s switches
and orientation (or the one --portrait or --landscape gives). The file is not changed.

A name after --print-to that does not end in .pdf gets .pdf added, unless it is a PDF
already. An output that is one of the inputs, or an existing file that is not a PDF,
is refused, so that a forgotten name (--print-to *.jpg) cannot replace a picture.

Exit status: 0 when the PDF or every spoken word was written, 2 for a bad command line
or an unknown voice, 1 when a picture or deck could not be loaded or a file could not
be written (a full disk included: an old file of that name is then kept as it was).
</source>
        <translation>Uso: ferlo --print-to SALIDA.pdf [opciones] IMAGEN|MAZO...
     ferlo [opciones de tarjeta] [IMAGEN|MAZO...]
     ferlo --speak-to CARPETA [--voice NOMBRE] [--rate PPM] IMAGEN|MAZO...

Escribe las imágenes como tarjetas didácticas en un archivo PDF, sin abrir ninguna ventana.
Las imágenes llenan las celdas de una página en el orden dado; las que no caben en una página
continúan en las páginas siguientes, cada página distribuida exactamente como la distribuye
Imprimir.

Sin --print-to se abre la ventana con las imágenes en una tarjeta distribuida como dicen las
opciones de tarjeta (de --per-page a --backs, y las opciones de cuadrícula y de hoja de
--grid a --outlines, abajo); --flip, --back-offset, --fold-over, --page-size, --resolution,
--print-as-dib y --print-as-original solo se aplican con --print-to.

Opciones:
  --print-to SALIDA.pdf  el archivo PDF que se escribe (obligatorio); solo se reemplaza
                         cuando se ha escrito el documento entero
  --per-page N           imágenes por página: 1, 2, 4, 6 u 8 (por omisión 4); junto con
                         un MAZO manda sobre los números del propio mazo (vea abajo)
  --portrait             páginas en vertical
  --landscape            páginas en horizontal (por omisión)
  --labels-off           sin palabras bajo las imágenes
  --lowercase            palabras en minúsculas (por omisión en mayúsculas)
  --cutlines-off         sin marco ni líneas de corte
  --backs                tras cada página, una página de reverso con la palabra de cada
                         imagen en la celda reflejada, para imprimir a doble cara (en la
                         ventana: marca Archivo &gt; Imprimir reversos con palabras, que se
                         recuerda)
  --flip long|short      el borde por el que se da la vuelta a la hoja para leer los
                         reversos (por omisión: lo que elija el mazo; si no, el borde
                         largo para tarjetas verticales y el corto para horizontales)
  --back-offset X,Y      desplaza cada página de reverso X mm a la derecha e Y mm hacia
                         abajo, de -10 a 10 cada uno, para que los reversos coincidan
                         con sus anversos
  --fold-over            en lugar de páginas de reverso, cada anverso y su palabra en
                         una hoja que se dobla por la mitad (2 o más imágenes por página)
  --page-size TAMAÑO     A4, Letter, A5 o Legal (por omisión A4)
  --resolution PPP       píxeles de dispositivo por pulgada, de 72 a 1200 (por omisión
                         600)
  --print-as-dib         dibuja las imágenes a través de su forma independiente del
                         dispositivo
  --print-as-original    dibuja las imágenes tal como se decodificaron
                         (por omisión: la opción de impresión guardada)
  --grid CxF             una cuadrícula de C columnas y F filas (de 1 a 10 cada una) en
                         lugar de --per-page; la página se divide por igual salvo con
                         --card-size
  --card-size ANCHOxALTO las tarjetas de la cuadrícula de este tamaño, centradas, como
                         2inx2in u 85x55mm (unidades mm, cm, in, pt)
  --gap LONGITUD         la separación entre las tarjetas de la cuadrícula, como 3mm
                         (o HxVmm)
  --paper PAPEL          el papel de la cuadrícula: A4, A5, A3, Letter, Legal o
                         ANCHOxALTO con una unidad (por omisión Letter); --portrait y
                         --landscape lo giran
  --sheet &quot;MARCA REF&quot;    una hoja de etiquetas o tarjetas de los modelos de hoja
                         instalados (paquete glabels-data), como &quot;Avery 5371&quot;
  --fill                 recorta cada imagen para que llene su zona (por omisión: la
                         ajusta)
  --bleed LONGITUD       las imágenes que llenan su zona sobresalen esto del corte, de
                         0 a 6 mm
  --outlines             una línea fina a lo largo del borde de cada tarjeta
  --list-sheets [TEXTO]  lista las hojas instaladas cuya marca, referencia o
                         descripción contienen TEXTO: marca, referencia, descripción,
                         tamaño de etiqueta y etiquetas por hoja
  --speak-to CARPETA     en lugar de un PDF, escribe CARPETA/PALABRA.wav para cada
                         palabra de las imágenes y mazos que no tiene grabación,
                         dicha por el motor de voz; muestra cada archivo escrito
  --voice NOMBRE         con --speak-to: la voz, un idioma como en-GB o de (por
                         defecto: el idioma del mazo, si no el del programa)
  --rate PPM             con --speak-to: palabras por minuto, de 80 a 450 (por
                         defecto 175)
  --list-symbols PALABRA los símbolos que encuentra una palabra, los mejores primero,
                         en el idioma de --lang: código hexadecimal, nombre y
                         palabras clave (un archivo de las carpetas de símbolos
                         del usuario: su ruta, su palabra)
  --lang CÓDIGO          el idioma de los textos y mensajes del programa, como de, es,
                         fr o ar (por omisión: FERLO_LANG, si no el del sistema; en para
                         el inglés)
  --quiet                no muestra el avance &quot;página n de m&quot; en la salida de errores
                         (solo se muestra cuando la salida de errores es un terminal)
  --help                 muestra este texto
  --version              muestra el nombre y la versión del programa (ferlo VERSIÓN)
  --                     lo que sigue son imágenes, aunque empiecen por &apos;-&apos;

La palabra de una imagen es su nombre de archivo sin la carpeta, sin la extensión y sin
los dígitos del final.

Un MAZO es un archivo de mazo (un nombre que termina en .ferlo): cada una de sus tarjetas
se imprime como una página con el número de imágenes, la orientación y los interruptores de
la tarjeta, y con sus propias palabras. Las entradas se imprimen en el orden dado; las
imágenes dadas entre mazos llenan páginas propias, como arriba.
Con --per-page N el mazo se distribuye de nuevo, como hace Tarjeta &gt; Cambiar el diseño de
todas las tarjetas: sus imágenes, en orden y con sus palabras, llenan páginas de N, con los
interruptores y la orientación de su primera tarjeta (o la que den --portrait o
--landscape). El archivo no cambia.

Un nombre tras --print-to que no termina en .pdf recibe .pdf al final, salvo que ya sea un
PDF. Se rechaza una salida que sea una de las entradas, o un archivo existente que no sea
un PDF, para que un nombre olvidado (--print-to *.jpg) no reemplace una imagen.

Estado de salida: 0 cuando se escribió el PDF o cada palabra dicha, 2 si la línea de órdenes
es incorrecta o la voz es desconocida, 1 si no se pudo cargar una imagen o un mazo o no se
pudo escribir un archivo (también con el disco lleno: un archivo anterior con ese nombre se
conserva tal cual).
</translation>
    </message>
    <message>
        <source>bad --board &quot;%1&quot;: use columns x rows, such as 5x5</source>
        <translation>--board «%1» no válido: use columnas x filas, como 5x5</translation>
    </message>
    <message>
        <source>bad --activity &quot;%1&quot;: use memory, match, lotto or bingo</source>
        <translation>--activity «%1» no válido: use memory, match, lotto o bingo</translation>
    </message>
    <message>
        <source>bad number of boards &quot;%1&quot;: use 1 to 500</source>
        <translation>número de cartones «%1» no válido: use de 1 a 500</translation>
    </message>
    <message>
        <source>bad --seed &quot;%1&quot;: use a whole number from 0 to 18446744073709551615</source>
        <translation>--seed «%1» no válido: use un número entero de 0 a 18446744073709551615</translation>
    </message>
    <message>
        <source>the option --back-picture needs a file name</source>
        <translation>la opción --back-picture necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --activity</source>
        <translation>la opción --%1 solo se aplica con --activity</translation>
    </message>
    <message>
        <source>the option --%1 does not apply to --activity %2</source>
        <translation>la opción --%1 no se aplica a --activity %2</translation>
    </message>
    <message>
        <source>--fold-over, --words and --words-from do not apply with --activity</source>
        <translation>--fold-over, --words y --words-from no se aplican con --activity</translation>
    </message>
    <message>
        <source>Games:
  --activity KIND        a game of the pictures given and the decks&apos; pictures in place
                         of cards: memory (each picture twice), match (each picture
                         and a card of its word), lotto (boards and calling cards)
                         or bingo (boards, a caller&apos;s sheet and calling cards)
  --boards N             lotto and bingo: how many boards, 1 to 500 (default 1)
  --board CxR            a board&apos;s columns and rows (bingo: 3x3, 4x4 or 5x5, default
                         5x5; lotto: 1 to 6 each, default 3x3)
  --free-centre [WORD]   bingo: the middle cell is free and shows WORD (default
                         &quot;Free&quot;); --free-centre=FILE shows the picture FILE
  --seed N               lotto and bingo: the boards are drawn from N (a whole
                         number); the same N gives the same boards (default: a new
                         seed, printed with each board&apos;s number)
  --back-picture FILE    memory and match: FILE on the back of every card (--backs
                         alone: a plain pattern), placed by --flip and --back-offset
Boards print on the paper of --page-size (or --paper); the cards of memory and match
and the calling cards on the layout of --per-page, --grid or --sheet, with the label
options. Pictures too few for a board, or for as many different boards as asked, are
named and nothing is written (exit status 1).
</source>
        <translation>Juegos:
  --activity TIPO        un juego con las imágenes dadas y las de los mazos en lugar de
                         cartas: memory (cada imagen dos veces), match (cada imagen y una
                         carta con su palabra), lotto (cartones y cartas para cantar) o
                         bingo (cartones, la lista del cantor y cartas para cantar)
  --boards N             lotto y bingo: cuántos cartones, de 1 a 500 (por omisión 1)
  --board CxR            columnas y filas de un cartón (bingo: 3x3, 4x4 o 5x5, por
                         omisión 5x5; lotto: de 1 a 6 cada una, por omisión 3x3)
  --free-centre [PALABRA] bingo: la casilla central queda libre y muestra PALABRA (por
                         omisión &quot;Libre&quot;); --free-centre=ARCHIVO muestra esa imagen
  --seed N               lotto y bingo: los cartones se sacan de N (un número entero);
                         el mismo N da los mismos cartones (por omisión: uno nuevo,
                         impreso con el número de cada cartón)
  --back-picture ARCHIVO memory y match: ARCHIVO en el reverso de cada carta (--backs
                         solo: una trama sencilla), colocado según --flip y --back-offset
Los cartones se imprimen en el papel de --page-size (o --paper); las cartas de memory y
match y las cartas para cantar, con la disposición de --per-page, --grid o --sheet y las
opciones de las etiquetas. Si faltan imágenes para un cartón o para tantos cartones
distintos como se piden, se dice y no se escribe nada (estado de salida 1).
</translation>
    </message>
</context>
<context>
    <name>DeckEdit</name>
    <message>
        <source>Clear card %1</source>
        <translation>Borrar tarjeta %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Mover %1</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Colocar %1</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Edit word %1</source>
        <translation>Editar palabra %1</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Grabar %1</translation>
    </message>
    <message>
        <source>Place %1 pictures</source>
        <translation>Colocar %1 imágenes</translation>
    </message>
    <message>
        <source>Change card %1</source>
        <translation>Cambiar tarjeta %1</translation>
    </message>
    <message>
        <source>Change layout of card %1</source>
        <translation>Cambiar el diseño de la tarjeta %1</translation>
    </message>
    <message>
        <source>1 picture per card</source>
        <translation>1 imagen por tarjeta</translation>
    </message>
    <message>
        <source>%1 pictures per card</source>
        <translation>%1 imágenes por tarjeta</translation>
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
        <source>Labels on</source>
        <translation>Palabras activadas</translation>
    </message>
    <message>
        <source>Labels off</source>
        <translation>Palabras desactivadas</translation>
    </message>
    <message>
        <source>Uppercase labels</source>
        <translation>Palabras en mayúsculas</translation>
    </message>
    <message>
        <source>Lowercase labels</source>
        <translation>Palabras en minúsculas</translation>
    </message>
    <message>
        <source>Cut lines on</source>
        <translation>Líneas de corte activadas</translation>
    </message>
    <message>
        <source>Cut lines off</source>
        <translation>Líneas de corte desactivadas</translation>
    </message>
    <message>
        <source>New card</source>
        <translation>Nueva tarjeta</translation>
    </message>
    <message>
        <source>Remove card %1</source>
        <translation>Quitar tarjeta %1</translation>
    </message>
    <message>
        <source>Move card %1</source>
        <translation>Mover tarjeta %1</translation>
    </message>
    <message>
        <source>Move picture to card %1</source>
        <translation>Mover imagen a la tarjeta %1</translation>
    </message>
    <message>
        <source>Double-sided printing</source>
        <translation>Impresión a doble cara</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Change cards</source>
        <translation>Cambiar tarjetas</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Cannot read the deck file %1: %2: %3</source>
        <translation>No se puede leer el archivo de mazo %1: %2: %3</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>expected %1, not %2</source>
        <translation>se esperaba %1, no %2</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>a cell needs a &quot;picture&quot; (a free cell is null)</source>
        <translation>una celda necesita &quot;picture&quot; (una celda libre es null)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre de archivo está vacío</translation>
    </message>
    <message>
        <source>a file name cannot hold a NUL character</source>
        <translation>un nombre de archivo no puede contener un carácter NUL</translation>
    </message>
    <message>
        <source>1, 2, 4, 6 or 8</source>
        <translation>1, 2, 4, 6 u 8</translation>
    </message>
    <message>
        <source>%1, the grid&apos;s cards</source>
        <translation>%1, las tarjetas de la cuadrícula</translation>
    </message>
    <message>
        <source>1 to %1</source>
        <translation>de 1 a %1</translation>
    </message>
    <message>
        <source>a sheet&apos;s card needs its number of labels</source>
        <translation>la tarjeta de una hoja necesita su número de etiquetas</translation>
    </message>
    <message>
        <source>expected &quot;portrait&quot; or &quot;landscape&quot;</source>
        <translation>se esperaba &quot;portrait&quot; o &quot;landscape&quot;</translation>
    </message>
    <message>
        <source>%1 cells, more than the card&apos;s count of %2</source>
        <translation>%1 celdas, más que las %2 de la tarjeta</translation>
    </message>
    <message>
        <source>an object or null</source>
        <translation>un objeto o null</translation>
    </message>
    <message>
        <source>expected %1, not &quot;%2&quot;</source>
        <translation>se esperaba %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;: this is not a deck</source>
        <translation>se esperaba &quot;%1&quot;: esto no es un mazo</translation>
    </message>
    <message>
        <source>a version number</source>
        <translation>un número de versión</translation>
    </message>
    <message>
        <source>version %1 is newer than this program reads (%2)</source>
        <translation>la versión %1 es más reciente de lo que este programa lee (%2)</translation>
    </message>
    <message>
        <source>the word is %1 characters long; a label word holds at most %2 characters</source>
        <translation>la palabra tiene %1 caracteres; una palabra admite como máximo %2 caracteres</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: the file is larger than 16 MB, more than any deck holds</source>
        <translation>No se puede leer el archivo de mazo %1: el archivo ocupa más de 16 MB, más de lo que ocupa cualquier mazo</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: the file is empty</source>
        <translation>No se puede leer el archivo de mazo %1: el archivo está vacío</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>el nivel superior</translation>
    </message>
    <message>
        <source>expected an object, not an array</source>
        <translation>se esperaba un objeto, no una lista</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: %2</source>
        <translation>No se puede leer el archivo de mazo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the deck file %1: it would not read back (%2)</source>
        <translation>No se puede escribir el archivo de mazo %1: no se podría volver a leer (%2)</translation>
    </message>
    <message>
        <source>Cannot write the deck file %1: %2</source>
        <translation>No se puede escribir el archivo de mazo %1: %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>The deck file %1 names a missing picture: %2</source>
        <translation>El archivo de mazo %1 nombra una imagen que no está: %2</translation>
    </message>
    <message>
        <source>The deck file %1 names %2 missing pictures: %3</source>
        <translation>El archivo de mazo %1 nombra %2 imágenes que no están: %3</translation>
    </message>
    <message>
        <source>an object or array</source>
        <translation>un objeto o una lista</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>un número de %1 a %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>a name of at most 200 characters</source>
        <translation>un nombre de 200 caracteres como máximo</translation>
    </message>
    <message>
        <source>a number from 1 to 1000</source>
        <translation>un número de 1 a 1000</translation>
    </message>
    <message>
        <source>a symbol&apos;s hexcode (&quot;1F415&quot;)</source>
        <translation>el código hexadecimal de un símbolo (&quot;1F415&quot;)</translation>
    </message>
    <message>
        <source>a symbol set&apos;s name</source>
        <translation>el nombre de un conjunto de símbolos</translation>
    </message>
    <message>
        <source>&quot;color&quot; or &quot;line&quot;</source>
        <translation>&quot;color&quot; o &quot;line&quot;</translation>
    </message>
    <message>
        <source>a cell holds a &quot;picture&quot; or a &quot;symbol&quot;, not both</source>
        <translation>una celda contiene un &quot;picture&quot; o un &quot;symbol&quot;, no ambos</translation>
    </message>
    <message>
        <source>a word card holds no &quot;picture&quot; or &quot;symbol&quot;</source>
        <translation>una tarjeta de palabra no lleva &quot;picture&quot; ni &quot;symbol&quot;</translation>
    </message>
</context>
<context>
    <name>DuplexDialog</name>
    <message>
        <source>Take the printed sheets out of the printer, turn the stack over sideways (about its long edge, so that the same edge goes in first) and put it back into the paper tray.</source>
        <translation>Saque las hojas impresas de la impresora, dé la vuelta a la pila de lado (sobre su borde largo, de modo que entre primero el mismo borde) y vuelva a ponerla en la bandeja del papel.</translation>
    </message>
    <message>
        <source>Take the printed sheets out of the printer and put the stack back into the paper tray as it lies, printed side up, the same edge first.</source>
        <translation>Saque las hojas impresas de la impresora y vuelva a poner la pila en la bandeja del papel tal como está, con la cara impresa hacia arriba y el mismo borde primero.</translation>
    </message>
    <message>
        <source>out: [3][2][1] face down, 1 at the bottom  ⟶  turn over sideways  ⟶  in: card 1 first</source>
        <translation>salida: [3][2][1] boca abajo, la 1 debajo  ⟶  dar la vuelta de lado  ⟶  entrada: primero la tarjeta 1</translation>
    </message>
    <message>
        <source>out: [1][2][3] face down, 1 on top  ⟶  turn over sideways  ⟶  in: the last card first</source>
        <translation>salida: [1][2][3] boca abajo, la 1 arriba  ⟶  dar la vuelta de lado  ⟶  entrada: primero la última tarjeta</translation>
    </message>
    <message>
        <source>out: [3][2][1] face up, 1 at the bottom  ⟶  as it lies  ⟶  in: the last card first</source>
        <translation>salida: [3][2][1] boca arriba, la 1 debajo  ⟶  tal como está  ⟶  entrada: primero la última tarjeta</translation>
    </message>
    <message>
        <source>out: [1][2][3] face up, 1 on top  ⟶  as it lies  ⟶  in: card 1 first</source>
        <translation>salida: [1][2][3] boca arriba, la 1 arriba  ⟶  tal como está  ⟶  entrada: primero la tarjeta 1</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Double-Sided Printing</source>
        <translation>Impresión a doble cara</translation>
    </message>
    <message>
        <source>Turning the sheet over</source>
        <translation>Dar la vuelta a la hoja</translation>
    </message>
    <message>
        <source>Standard: the long edge for portrait cards, the short edge for landscape cards</source>
        <translation>Estándar: el borde largo para tarjetas verticales, el corto para tarjetas horizontales</translation>
    </message>
    <message>
        <source>On the long edge</source>
        <translation>Por el borde largo</translation>
    </message>
    <message>
        <source>On the short edge</source>
        <translation>Por el borde corto</translation>
    </message>
    <message>
        <source>Printing both sides</source>
        <translation>Imprimir las dos caras</translation>
    </message>
    <message>
        <source>The printer prints both sides</source>
        <translation>La impresora imprime las dos caras</translation>
    </message>
    <message>
        <source>By hand: the printer lays the sheets face down</source>
        <translation>A mano: la impresora deja las hojas boca abajo</translation>
    </message>
    <message>
        <source>By hand: face down, the printer prints the last page first</source>
        <translation>A mano: boca abajo, la impresora imprime primero la última página</translation>
    </message>
    <message>
        <source>By hand: the printer lays the sheets face up</source>
        <translation>A mano: la impresora deja las hojas boca arriba</translation>
    </message>
    <message>
        <source>By hand: face up, the printer prints the last page first</source>
        <translation>A mano: boca arriba, la impresora imprime primero la última página</translation>
    </message>
    <message>
        <source>By hand, the fronts print first; then the program asks you to put the stack back.
If your paper tray prints on the upper side of the sheet, choose the other face.</source>
        <translation>A mano, primero se imprimen los anversos; luego el programa le pide que vuelva a colocar la pila.
Si su bandeja imprime en la cara superior de la hoja, elija la cara contraria.</translation>
    </message>
    <message>
        <source>&amp;Fold-over: each front and its word on one sheet, printed on one side and folded in the middle</source>
        <translation>&amp;Plegar: cada anverso y su palabra en una hoja, impresa por una cara y doblada por la mitad</translation>
    </message>
    <message>
        <source>Back offset of the printer %1</source>
        <translation>Desplazamiento del reverso de la impresora %1</translation>
    </message>
    <message>
        <source>X (to the right on the back):</source>
        <translation>X (a la derecha en el reverso):</translation>
    </message>
    <message>
        <source>Y (down on the back):</source>
        <translation>Y (hacia abajo en el reverso):</translation>
    </message>
    <message>
        <source>Print the calibration sheet, hold it to the light with its back towards you,
and type where the front&apos;s lines cross the top and the left scale.</source>
        <translation>Imprima la hoja de calibración, sosténgala a contraluz con el reverso hacia usted
y escriba dónde cruzan las rayas del anverso la regla superior y la izquierda.</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet ...</source>
        <translation>Imprimir &amp;hoja de calibración ...</translation>
    </message>
    <message>
        <source>Back offset of PDF files</source>
        <translation>Desplazamiento del reverso de los archivos PDF</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>No hay memoria suficiente para terminar esta orden.</translation>
    </message>
    <message>
        <source>%1: not enough memory.</source>
        <translation>%1: no hay memoria suficiente.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>An unexpected error stopped this command.</source>
        <translation>Un error inesperado detuvo esta orden.</translation>
    </message>
</context>
<context>
    <name>GridPresets</name>
    <message>
        <source>2 × 2 in picture cards (Letter)</source>
        <translation>Tarjetas de imágenes de 2 × 2 in (Letter)</translation>
    </message>
    <message>
        <source>2 × 2 in picture cards (A4)</source>
        <translation>Tarjetas de imágenes de 2 × 2 in (A4)</translation>
    </message>
    <message>
        <source>3 × 5 in index cards</source>
        <translation>Fichas de 3 × 5 in</translation>
    </message>
    <message>
        <source>business cards 85 × 55 mm</source>
        <translation>tarjetas de visita de 85 × 55 mm</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>The changes are lost if you don&apos;t save them.</source>
        <translation>Si no los guarda, los cambios se perderán.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>PictureErrors</name>
    <message>
        <source>the file is too large (more than %1 MB)</source>
        <translation>el archivo es demasiado grande (más de %1 MB)</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>el archivo no se pudo leer hasta el final</translation>
    </message>
    <message>
        <source>there is not enough memory to read the file</source>
        <translation>no hay memoria suficiente para leer el archivo</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>la imagen no tiene píxeles (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture&apos;s pixels do not match its size</source>
        <translation>los píxeles de la imagen no coinciden con su tamaño</translation>
    </message>
    <message>
        <source>there is not enough memory for %1 x %2 pixels</source>
        <translation>no hay memoria suficiente para %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>this HEIF file holds an image sequence, which cannot be printed</source>
        <translation>este archivo HEIF contiene una secuencia de imágenes, que no se puede imprimir</translation>
    </message>
    <message>
        <source>this HEIF file&apos;s picture is an identity-derived (&apos;iden&apos;) item, which cannot be read</source>
        <translation>la imagen de este archivo HEIF es un elemento derivado de identidad (&apos;iden&apos;), que no se puede leer</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>this is not a HEIF picture that can be read</source>
        <translation>esta no es una imagen HEIF que se pueda leer</translation>
    </message>
    <message>
        <source>this HEIF file uses a kind of picture that cannot be read</source>
        <translation>este archivo HEIF usa un tipo de imagen que no se puede leer</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>el archivo está dañado</translation>
    </message>
    <message>
        <source>the picture has more than %1 scans</source>
        <translation>la imagen tiene más de %1 barridos</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1)</source>
        <translation>la imagen no tiene píxeles (%1)</translation>
    </message>
    <message>
        <source>the picture is too large: decoding %1 x %2 pixels needs more than %3 MB (%4)</source>
        <translation>la imagen es demasiado grande: decodificar %1 x %2 píxeles necesita más de %3 MB (%4)</translation>
    </message>
    <message>
        <source>the file is cut off before its picture data (%1)</source>
        <translation>el archivo se corta antes de los datos de la imagen (%1)</translation>
    </message>
    <message>
        <source>the file name does not end in %1</source>
        <translation>el nombre del archivo no termina en %1</translation>
    </message>
    <message>
        <source>it is a folder, not a picture file</source>
        <translation>es una carpeta, no un archivo de imagen</translation>
    </message>
    <message>
        <source>it is not a plain file (a device, pipe or socket)</source>
        <translation>no es un archivo normal (un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>No se puede cargar la imagen %1: %2</translation>
    </message>
    <message>
        <source>the picture is too large: %1 x %2 pixels need more than %3 MB</source>
        <translation>la imagen es demasiado grande: %1 x %2 píxeles necesitan más de %3 MB</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>the file is cut off before the end of its picture data</source>
        <translation>el archivo se corta antes del final de los datos de la imagen</translation>
    </message>
    <message>
        <source>Not a PNG file: starts with 0x%1 0x%2</source>
        <translation>No es un archivo PNG: empieza por 0x%1 0x%2</translation>
    </message>
    <message>
        <source>the file is damaged: its %1 chunk claims %2 bytes but the file ends after %3</source>
        <translation>el archivo está dañado: su bloque %1 indica %2 bytes, pero el archivo termina después de %3</translation>
    </message>
    <message>
        <source>the file is damaged: its %1 chunk of %2 bytes is larger than the %3 MB a picture&apos;s side data may take</source>
        <translation>el archivo está dañado: su bloque %1 de %2 bytes supera los %3 MB que pueden ocupar los datos auxiliares de una imagen</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>el archivo está dañado: %1</translation>
    </message>
    <message>
        <source>its rows do not match its size</source>
        <translation>sus filas no coinciden con su tamaño</translation>
    </message>
    <message>
        <source>the file is cut off before its picture data</source>
        <translation>el archivo se corta antes de los datos de la imagen</translation>
    </message>
    <message>
        <source>the bitmap is damaged or of a kind that cannot be read</source>
        <translation>el mapa de bits está dañado o es de un tipo que no se puede leer</translation>
    </message>
    <message>
        <source>Not a BMP file: starts with 0x%1 0x%2</source>
        <translation>No es un archivo BMP: empieza por 0x%1 0x%2</translation>
    </message>
    <message>
        <source>%1 (the bitmap&apos;s header is cut off)</source>
        <translation>%1 (la cabecera del mapa de bits está cortada)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot print fold-over cards: the cards of this grid or sheet do not stand in pairs about the middle of the paper, so no fold puts one behind another.</source>
        <translation>No se pueden imprimir tarjetas plegables: las tarjetas de esta cuadrícula u hoja no forman pares respecto del centro del papel, así que ningún doblez pone una detrás de otra.</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>Cannot print fold-over cards: a card of %1 picture per page in %2 has no middle line between its cells to fold on. Choose 2 or more pictures per page.</source>
        <translation>No se pueden imprimir tarjetas plegables: una tarjeta de %1 imagen por página en %2 no tiene una línea central entre sus celdas por la que doblarla. Elija 2 o más imágenes por página.</translation>
    </message>
    <message>
        <source>Cannot print fold-over cards: a card of %1 pictures per page in %2 has no middle line between its cells to fold on. Choose 2 or more pictures per page.</source>
        <translation>No se pueden imprimir tarjetas plegables: una tarjeta de %1 imágenes por página en %2 no tiene una línea central entre sus celdas por la que doblarla. Elija 2 o más imágenes por página.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1: %2</source>
        <translation>No se puede imprimir la imagen %1: %2</translation>
    </message>
    <message>
        <source>Cannot print</source>
        <translation>No se puede imprimir</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; did not start the job.</source>
        <translation>No se puede imprimir: la impresora &quot;%1&quot; no inició el trabajo.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; could not start page %2.</source>
        <translation>la impresora &quot;%1&quot; no pudo iniciar la página %2.</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; reported an error.</source>
        <translation>No se puede imprimir: la impresora &quot;%1&quot; informó de un error.</translation>
    </message>
    <message>
        <source>Cannot print to the file %1: %2</source>
        <translation>No se puede imprimir en el archivo %1: %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; is not available.</source>
        <translation>No se puede imprimir: la impresora &quot;%1&quot; no está disponible.</translation>
    </message>
    <message>
        <source>Cannot print: the page range picks none of the %1 cards.</source>
        <translation>No se puede imprimir: el intervalo de páginas no elige ninguna de las %1 tarjetas.</translation>
    </message>
    <message>
        <source>The fronts are printed.

%1

Then click Continue to print the backs.</source>
        <translation>Los anversos están impresos.

%1

Luego haga clic en Continuar para imprimir los reversos.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Sheet %1, to fold</source>
        <translation>Hoja %1, para doblar</translation>
    </message>
    <message>
        <source>Card %1, back</source>
        <translation>Tarjeta %1, reverso</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Tarjeta %1</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Imprimir ...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Word &amp;Backs</source>
        <translation>Imprimir &amp;reversos con palabras</translation>
    </message>
    <message>
        <source>Cannot print a card with %1 pictures per page: a page holds 1, 2, 4, 6 or 8 pictures.</source>
        <translation>No se puede imprimir una tarjeta con %1 imágenes por página: una página admite 1, 2, 4, 6 u 8 imágenes.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1: not enough memory for %2 x %3 pixels.</source>
        <translation>No se puede imprimir la imagen %1: no hay memoria suficiente para %2 x %3 píxeles.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1</source>
        <translation>No se puede imprimir la imagen %1</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1: %2</source>
        <translation>No se puede escribir el archivo PDF %1: %2</translation>
    </message>
    <message>
        <source>there is no page to write.</source>
        <translation>no hay ninguna página que escribir.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es una carpeta.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>la carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>the PDF writer could not start the document.</source>
        <translation>el generador de PDF no pudo iniciar el documento.</translation>
    </message>
    <message>
        <source>could not start page %1.</source>
        <translation>no se pudo iniciar la página %1.</translation>
    </message>
    <message>
        <source>the PDF writer failed.</source>
        <translation>el generador de PDF falló.</translation>
    </message>
    <message>
        <source>the text of its label words could not be added (%1).</source>
        <translation>no se pudo añadir el texto de sus palabras (%1).</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>el archivo no se escribió entero</translation>
    </message>
</context>
<context>
    <name>RecentDecks</name>
    <message>
        <source>Not found: %1</source>
        <translation>No encontrado: %1</translation>
    </message>
    <message>
        <source>No recent decks</source>
        <translation>No hay mazos recientes</translation>
    </message>
    <message>
        <source>Recent Dec&amp;ks</source>
        <translation>Ma&amp;zos recientes</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Recover Decks</source>
        <translation>Recuperar mazos</translation>
    </message>
    <message>
        <source>Ferlo ended before these decks were saved. Restore a deck, save it under a name, or discard it. Decks left here are offered again at the next start.</source>
        <translation>Ferlo se cerró antes de guardar estos mazos. Restaure un mazo, guárdelo con un nombre o descártelo. Los que queden aquí se ofrecerán de nuevo en el próximo inicio.</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Save As ...</source>
        <translation>&amp;Guardar como ...</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read: %2</source>
        <translation>La copia de recuperación %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>the file is larger than any deck</source>
        <translation>el archivo es mayor que cualquier mazo</translation>
    </message>
    <message>
        <source>a deck, but no recovery copy of this program</source>
        <translation>un mazo, pero no una copia de recuperación de este programa</translation>
    </message>
    <message>
        <source>recovery.deckFile: expected an absolute file name</source>
        <translation>recovery.deckFile: se esperaba un nombre de archivo absoluto</translation>
    </message>
    <message>
        <source>recovery.changed: expected a time</source>
        <translation>recovery.changed: se esperaba una hora</translation>
    </message>
    <message>
        <source>It could not be set aside either.</source>
        <translation>Tampoco se pudo apartar.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>Se apartó como %1.</translation>
    </message>
    <message>
        <source>Ferlo cannot keep a recovery copy of the deck in %1: %2
Your files are as they were; save the deck to keep its changes.</source>
        <translation>Ferlo no puede guardar una copia de recuperación del mazo en %1: %2
Sus archivos siguen como estaban; guarde el mazo para conservar sus cambios.</translation>
    </message>
    <message>
        <source>the lock file cannot be made</source>
        <translation>no se puede crear el archivo de bloqueo</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The print option could not be saved to %1</source>
        <translation>La opción de impresión no se pudo guardar en %1</translation>
    </message>
    <message>
        <source>a backslash in quotes must be followed by \ or &quot;</source>
        <translation>una barra invertida entre comillas debe ir seguida de \ o &quot;</translation>
    </message>
    <message>
        <source>a quoted text has no closing quote</source>
        <translation>un texto entre comillas no tiene comilla de cierre</translation>
    </message>
    <message>
        <source>there is text after the closing quote</source>
        <translation>hay texto después de la comilla de cierre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dword</source>
        <translation>&quot;%1&quot; no es un dword</translation>
    </message>
    <message>
        <source>removing values is not supported</source>
        <translation>no se admite quitar valores</translation>
    </message>
    <message>
        <source>the value&apos;s data is not understood</source>
        <translation>no se entienden los datos del valor</translation>
    </message>
    <message>
        <source>hexadecimal data has no &quot;:&quot;</source>
        <translation>los datos hexadecimales no tienen &quot;:&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value type</source>
        <translation>&quot;%1&quot; no es un tipo de valor</translation>
    </message>
    <message>
        <source>hexadecimal data ends in a backslash</source>
        <translation>los datos hexadecimales terminan en una barra invertida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hexadecimal byte</source>
        <translation>&quot;%1&quot; no es un byte hexadecimal</translation>
    </message>
    <message>
        <source>the file is not valid %1 text</source>
        <translation>el archivo no es texto %1 válido</translation>
    </message>
    <message>
        <source>the settings file could not be locked</source>
        <translation>no se pudo bloquear el archivo de configuración</translation>
    </message>
    <message>
        <source>the settings file is locked by another program</source>
        <translation>el archivo de configuración está bloqueado por otro programa</translation>
    </message>
    <message>
        <source>the file does not start with &quot;%1&quot;</source>
        <translation>el archivo no empieza por &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>a un nombre de clave le falta el corchete de cierre</translation>
    </message>
    <message>
        <source>removing keys is not supported</source>
        <translation>no se admite quitar claves</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid key name</source>
        <translation>&quot;%1&quot; no es un nombre de clave válido</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not belong to %2</source>
        <translation>la clave &quot;%1&quot; no pertenece a %2</translation>
    </message>
    <message>
        <source>the line is not a key, a value or a comment</source>
        <translation>la línea no es una clave, un valor ni un comentario</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>hay un valor antes de la primera clave</translation>
    </message>
    <message>
        <source>a value name is not followed by &quot;=&quot;</source>
        <translation>un nombre de valor no va seguido de &quot;=&quot;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the settings file holds a name or a value that cannot be written back unchanged</source>
        <translation>el archivo de configuración contiene un nombre o un valor que no se puede volver a escribir sin cambios</translation>
    </message>
    <message>
        <source>the settings file is not a regular file</source>
        <translation>el archivo de configuración no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is too large to be a settings file</source>
        <translation>el archivo es demasiado grande para ser un archivo de configuración</translation>
    </message>
    <message>
        <source>the file is not a valid settings file (%1)</source>
        <translation>el archivo no es un archivo de configuración válido (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid key name</source>
        <translation>%1: &quot;%2&quot; no es un nombre de clave válido</translation>
    </message>
    <message>
        <source>%1: the key &quot;%2&quot; does not exist</source>
        <translation>%1: la clave &quot;%2&quot; no existe</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>No se pudieron obtener los datos de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron establecer los datos de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: no key is open</source>
        <translation>%1: no hay ninguna clave abierta</translation>
    </message>
    <message>
        <source>%1: the value name or text holds a line break</source>
        <translation>%1: el nombre del valor o el texto contiene un salto de línea</translation>
    </message>
    <message>
        <source>The speech options could not be saved to %1</source>
        <translation>Las opciones de voz no se pudieron guardar en %1</translation>
    </message>
    <message>
        <source>At most %1 symbol folders can be stored.</source>
        <translation>Se pueden guardar como máximo %1 carpetas de símbolos.</translation>
    </message>
    <message>
        <source>The symbol folder %1 can&apos;t be stored: its name holds a line break.</source>
        <translation>La carpeta de símbolos %1 no se puede guardar: su nombre contiene un salto de línea.</translation>
    </message>
    <message>
        <source>The symbol folders could not be saved to %1</source>
        <translation>Las carpetas de símbolos no se pudieron guardar en %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1</source>
        <translation>No se pudo guardar la configuración en %1</translation>
    </message>
</context>
<context>
    <name>SheetTemplates</name>
    <message>
        <source>it has no %1</source>
        <translation>le falta %1</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is not a length in pt, mm, cm, in or pc</source>
        <translation>su %1 &quot;%2&quot; no es una longitud en pt, mm, cm, in o pc</translation>
    </message>
    <message>
        <source>its %1 of %2 is more than a metre</source>
        <translation>su %1 de %2 mide más de un metro</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is not a whole number from 1 to %3</source>
        <translation>su %1 &quot;%2&quot; no es un número entero de 1 a %3</translation>
    </message>
    <message>
        <source>its paper size &quot;%1&quot; is not known</source>
        <translation>su tamaño de papel &quot;%1&quot; no se conoce</translation>
    </message>
    <message>
        <source>its paper has no size</source>
        <translation>su papel no tiene tamaño</translation>
    </message>
    <message>
        <source>its labels have no size</source>
        <translation>sus etiquetas no tienen tamaño</translation>
    </message>
    <message>
        <source>it has more than %1 labels on a sheet</source>
        <translation>tiene más de %1 etiquetas en una hoja</translation>
    </message>
    <message>
        <source>CD and DVD labels are not offered</source>
        <translation>las etiquetas de CD y DVD no se ofrecen</translation>
    </message>
    <message>
        <source>it has no labels</source>
        <translation>no tiene etiquetas</translation>
    </message>
    <message>
        <source>a label at %1, %2 mm runs %3 mm off the paper</source>
        <translation>una etiqueta en %1, %2 mm se sale %3 mm del papel</translation>
    </message>
    <message>
        <source>The sheet %1 in %2 is left out: %3.</source>
        <translation>La hoja %1 de %2 se deja fuera: %3.</translation>
    </message>
    <message>
        <source>it has no brand or part number</source>
        <translation>no tiene marca ni referencia</translation>
    </message>
    <message>
        <source>the sheet %1 it is equal to is %2</source>
        <translation>la hoja %1, a la que equivale, %2</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>se ha dejado fuera</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>no está</translation>
    </message>
    <message>
        <source>The sheet templates in %1 are read only up to line %2: %3.</source>
        <translation>Los modelos de hoja de %1 solo se leen hasta la línea %2: %3.</translation>
    </message>
    <message>
        <source>No label sheets are installed: %1 does not hold paper-sizes.xml (the package glabels-data).</source>
        <translation>No hay hojas de etiquetas instaladas: %1 no contiene paper-sizes.xml (el paquete glabels-data).</translation>
    </message>
    <message>
        <source>The sheet templates in %1 cannot be read: %2.</source>
        <translation>Los modelos de hoja de %1 no se pueden leer: %2.</translation>
    </message>
    <message>
        <source>Cannot use the sheet %1. %2</source>
        <translation>No se puede usar la hoja %1. %2</translation>
    </message>
    <message>
        <source>There is no sheet named %1 among the installed sheet templates (%2).</source>
        <translation>No hay ninguna hoja llamada %1 entre los modelos de hoja instalados (%2).</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound file &quot;%1&quot; can&apos;t be opened: %2</source>
        <translation>El archivo de sonido &quot;%1&quot; no se puede abrir: %2</translation>
    </message>
    <message>
        <source>No sound file is named.</source>
        <translation>No se ha indicado ningún archivo de sonido.</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>Código de error desconocido</translation>
    </message>
    <message>
        <source>the file describes no sound</source>
        <translation>el archivo no describe ningún sonido</translation>
    </message>
    <message>
        <source>the output format is not usable</source>
        <translation>el formato de salida no se puede usar</translation>
    </message>
    <message>
        <source>the sound is too long (more than %1 MB of samples)</source>
        <translation>el sonido es demasiado largo (más de %1 MB de muestras)</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; can&apos;t be spoken: %2</source>
        <translation>La palabra &quot;%1&quot; no se puede pronunciar: %2</translation>
    </message>
    <message>
        <source>the speech engine can&apos;t be loaded</source>
        <translation>el motor de voz no se puede cargar</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>no existe la voz &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>el motor de voz falló</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; can&apos;t be written: %2</source>
        <translation>El archivo de sonido &quot;%1&quot; no se puede escribir: %2</translation>
    </message>
    <message>
        <source>No sound input (a microphone) was found: nothing can be recorded.</source>
        <translation>No se encontró ninguna entrada de sonido (un micrófono): no se puede grabar nada.</translation>
    </message>
    <message>
        <source>The sound input &quot;%1&quot; can&apos;t be opened: nothing can be recorded.</source>
        <translation>La entrada de sonido &quot;%1&quot; no se puede abrir: no se puede grabar nada.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>the file was not open for writing</source>
        <translation>el archivo no estaba abierto para escribir</translation>
    </message>
</context>
<context>
    <name>SymbolDialogs</name>
    <message>
        <source>&amp;Add folder ...</source>
        <translation>&amp;Añadir carpeta ...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Your own symbol folders: their SVG, PNG and JPEG files are found by their names.</source>
        <translation>Sus propias carpetas de símbolos: sus archivos SVG, PNG y JPEG se encuentran por su nombre.</translation>
    </message>
    <message>
        <source>Cards from Words</source>
        <translation>Tarjetas desde palabras</translation>
    </message>
    <message>
        <source>Symbols as &amp;line art</source>
        <translation>Símbolos como &amp;dibujo de líneas</translation>
    </message>
    <message>
        <source>Words, one a line or separated by commas:</source>
        <translation>Palabras, una por línea o separadas por comas:</translation>
    </message>
    <message>
        <source>Pictures named after a word are taken first from:</source>
        <translation>Las imágenes con el nombre de una palabra se toman primero de:</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Cannot read the drawing %1: %2</source>
        <translation>No se puede leer el dibujo %1: %2</translation>
    </message>
    <message>
        <source>it holds an embedded picture that cannot be read</source>
        <translation>contiene una imagen incrustada que no se puede leer</translation>
    </message>
    <message>
        <source>it holds an embedded picture that is not a PNG, JPEG, GIF, BMP or WebP picture</source>
        <translation>contiene una imagen incrustada que no es PNG, JPEG, GIF, BMP ni WebP</translation>
    </message>
    <message>
        <source>it holds an embedded picture larger than %1 x %1 pixels</source>
        <translation>contiene una imagen incrustada de más de %1 x %1 píxeles</translation>
    </message>
    <message>
        <source>its document type declares notations</source>
        <translation>su tipo de documento declara notaciones</translation>
    </message>
    <message>
        <source>its document type declares more than %1 entities</source>
        <translation>su tipo de documento declara más de %1 entidades</translation>
    </message>
    <message>
        <source>its document type refers to another file (%1)</source>
        <translation>su tipo de documento remite a otro archivo (%1)</translation>
    </message>
    <message>
        <source>its document type declares an entity that is too long or nested (%1)</source>
        <translation>su tipo de documento declara una entidad demasiado larga o anidada (%1)</translation>
    </message>
    <message>
        <source>its entities expand to more than %1 characters</source>
        <translation>sus entidades se expanden a más de %1 caracteres</translation>
    </message>
    <message>
        <source>compressed drawings (.svgz) are not read; unpack it first</source>
        <translation>los dibujos comprimidos (.svgz) no se leen; descomprímalo primero</translation>
    </message>
    <message>
        <source>it refers to a style sheet in another file</source>
        <translation>remite a una hoja de estilo de otro archivo</translation>
    </message>
    <message>
        <source>it refers to an entity that is not declared (%1)</source>
        <translation>remite a una entidad no declarada (%1)</translation>
    </message>
    <message>
        <source>it is not an SVG drawing</source>
        <translation>no es un dibujo SVG</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>sus elementos están anidados a más de %1 niveles</translation>
    </message>
    <message>
        <source>it holds more than %1 elements</source>
        <translation>contiene más de %1 elementos</translation>
    </message>
    <message>
        <source>it refers to another file (%1)</source>
        <translation>remite a otro archivo (%1)</translation>
    </message>
    <message>
        <source>its style refers to another file</source>
        <translation>su estilo remite a otro archivo</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>no es XML bien formado (línea %1: %2)</translation>
    </message>
    <message>
        <source>it draws more than %1 elements, or its parts use each other in a loop</source>
        <translation>dibuja más de %1 elementos, o sus partes se usan entre sí en un bucle</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>it is not an SVG drawing that can be drawn</source>
        <translation>no es un dibujo SVG que se pueda dibujar</translation>
    </message>
    <message>
        <source>it has no usable size (a viewBox, or a width and a height)</source>
        <translation>no tiene un tamaño utilizable (un viewBox, o un ancho y un alto)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is not a size it can be drawn at</source>
        <translation>%1 x %2 píxeles no es un tamaño al que se pueda dibujar</translation>
    </message>
    <message>
        <source>not enough memory for %1 x %2 pixels</source>
        <translation>no hay memoria suficiente para %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>%1 (%2, line art)</source>
        <translation>%1 (%2, dibujo de líneas)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>card %1: symbol %2</source>
        <translation>tarjeta %1: símbolo %2</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; y %1 más</translation>
    </message>
    <message>
        <source>the OpenMoji symbol set is not installed</source>
        <translation>el conjunto de símbolos OpenMoji no está instalado</translation>
    </message>
    <message>
        <source>the installed symbol set does not hold them</source>
        <translation>el conjunto de símbolos instalado no los contiene</translation>
    </message>
    <message>
        <source>The deck file %1 names symbols that cannot be shown (%2): %3</source>
        <translation>El archivo de mazo %1 nombra símbolos que no se pueden mostrar (%2): %3</translation>
    </message>
    <message>
        <source>Symbols: OpenMoji (openmoji.org), licensed under CC BY-SA 4.0 (creativecommons.org/licenses/by-sa/4.0)</source>
        <translation>Símbolos: OpenMoji (openmoji.org), con licencia CC BY-SA 4.0 (creativecommons.org/licenses/by-sa/4.0)</translation>
    </message>
    <message>
        <source>The symbol index %1 can&apos;t be read: %2.</source>
        <translation>El índice de símbolos %1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation>termina demasiado pronto</translation>
    </message>
    <message>
        <source>it counts more records than it holds</source>
        <translation>cuenta más registros de los que contiene</translation>
    </message>
    <message>
        <source>a text lies outside the file&apos;s texts</source>
        <translation>un texto queda fuera de los textos del archivo</translation>
    </message>
    <message>
        <source>No symbol set is loaded.</source>
        <translation>No hay ningún conjunto de símbolos cargado.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>it is no symbol index</source>
        <translation>no es un índice de símbolos</translation>
    </message>
    <message>
        <source>it was written for another version of the program</source>
        <translation>se escribió para otra versión del programa</translation>
    </message>
    <message>
        <source>its size is not the size it was written with</source>
        <translation>su tamaño no es el tamaño con el que se escribió</translation>
    </message>
    <message>
        <source>it holds no symbols</source>
        <translation>no contiene símbolos</translation>
    </message>
    <message>
        <source>a symbol folds under one that isn&apos;t there</source>
        <translation>un símbolo se agrupa bajo uno que no existe</translation>
    </message>
    <message>
        <source>a symbol folds under a variant</source>
        <translation>un símbolo se agrupa bajo una variante</translation>
    </message>
    <message>
        <source>it holds no language</source>
        <translation>no contiene ningún idioma</translation>
    </message>
    <message>
        <source>a language is unnamed or named twice</source>
        <translation>un idioma no tiene nombre o aparece dos veces</translation>
    </message>
    <message>
        <source>a symbol&apos;s keywords lie outside the keywords</source>
        <translation>las palabras clave de un símbolo quedan fuera de las palabras clave</translation>
    </message>
    <message>
        <source>a term names no symbol of its own</source>
        <translation>un término no nombra ningún símbolo propio</translation>
    </message>
    <message>
        <source>its terms are out of order</source>
        <translation>sus términos están desordenados</translation>
    </message>
    <message>
        <source>its first language is not English</source>
        <translation>su primer idioma no es el inglés</translation>
    </message>
    <message>
        <source>there is more after its end</source>
        <translation>hay más datos tras su final</translation>
    </message>
    <message>
        <source>The OpenMoji symbols are not installed: there is no symbols folder beside the program (%1) nor in %2.</source>
        <translation>Los símbolos de OpenMoji no están instalados: no hay ninguna carpeta symbols junto al programa (%1) ni en %2.</translation>
    </message>
    <message>
        <source>no symbol found for &quot;%1&quot;</source>
        <translation>no se encontró ningún símbolo para &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a symbol&apos;s hexcode is malformed or given twice</source>
        <translation>el código hexadecimal de un símbolo está mal formado o repetido</translation>
    </message>
    <message>
        <source>The symbol cannot be shown: it is not installed</source>
        <translation>No se puede mostrar el símbolo: no está instalado</translation>
    </message>
</context>
<context>
    <name>TdlgSpeech</name>
    <message>
        <source>Deck Properties</source>
        <translation>Propiedades del mazo</translation>
    </message>
    <message>
        <source>The program&apos;s language</source>
        <translation>El idioma del programa</translation>
    </message>
    <message>
        <source>Words without a recording are spoken in this language, unless Options &gt; Speech names a voice.
A word in another script is spoken in a voice that reads it.</source>
        <translation>Las palabras sin grabación se pronuncian en este idioma, salvo que Opciones &gt; Voz indique una voz.
Una palabra en otra escritura la pronuncia una voz que la lee.</translation>
    </message>
    <message>
        <source>&amp;Language of the words:</source>
        <translation>&amp;Idioma de las palabras:</translation>
    </message>
</context>
<context>
    <name>WordCards</name>
    <message>
        <source>Cannot read the words of %1: it is not UTF-8 text</source>
        <translation>No se pueden leer las palabras de %1: no es texto UTF-8</translation>
    </message>
    <message>
        <source>Cannot read the words of %1: it holds no words</source>
        <translation>No se pueden leer las palabras de %1: no contiene palabras</translation>
    </message>
    <message>
        <source>Cannot look for pictures in %1: it is not a folder</source>
        <translation>No se pueden buscar imágenes en %1: no es una carpeta</translation>
    </message>
    <message>
        <source>No picture or symbol found for %1</source>
        <translation>No se encontró ninguna imagen ni símbolo para %1</translation>
    </message>
</context>
<context>
    <name>ferlo::ActivityDialog</name>
    <message>
        <source>Make Activity</source>
        <translation>Crear juego</translation>
    </message>
    <message>
        <source>Memory pairs</source>
        <translation>Parejas de memoria</translation>
    </message>
    <message>
        <source>Picture and word</source>
        <translation>Imagen y palabra</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotería</translation>
    </message>
    <message>
        <source>Bingo</source>
        <translation>Bingo</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Juego:</translation>
    </message>
    <message>
        <source>&amp;Boards:</source>
        <translation>&amp;Cartones:</translation>
    </message>
    <message>
        <source>Columns × rows:</source>
        <translation>Columnas × filas:</translation>
    </message>
    <message>
        <source>&amp;Free centre</source>
        <translation>Centro &amp;libre</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>No backs</source>
        <translation>Sin reversos</translation>
    </message>
    <message>
        <source>Plain pattern</source>
        <translation>Trama sencilla</translation>
    </message>
    <message>
        <source>Back picture</source>
        <translation>Imagen del reverso</translation>
    </message>
    <message>
        <source>Card bac&amp;ks:</source>
        <translation>&amp;Reversos:</translation>
    </message>
    <message>
        <source>Choose ...</source>
        <translation>Elegir ...</translation>
    </message>
    <message>
        <source>Back picture:</source>
        <translation>Imagen del reverso:</translation>
    </message>
    <message>
        <source>Click a picture to hear its word.</source>
        <translation>Haga clic en una imagen para oír su palabra.</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Imprimir ...</translation>
    </message>
    <message>
        <source>Pre&amp;view ...</source>
        <translation>&amp;Vista previa ...</translation>
    </message>
    <message>
        <source>&amp;Export PDF ...</source>
        <translation>&amp;Exportar PDF ...</translation>
    </message>
    <message>
        <source>&amp;Add to Deck</source>
        <translation>&amp;Añadir al mazo</translation>
    </message>
    <message>
        <source>Save as &amp;Deck ...</source>
        <translation>Guardar como &amp;mazo ...</translation>
    </message>
    <message>
        <source>Choose the back picture.</source>
        <translation>Elija la imagen del reverso.</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Páginas: %1</translation>
    </message>
</context>
<context>
    <name>ferlo::CardStrip</name>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Tarjeta %1</translation>
    </message>
</context>
<context>
    <name>ferlo::DirectoryListBox</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>La carpeta %1 no se puede abrir: permiso denegado.</translation>
    </message>
</context>
<context>
    <name>ferlo::HelpWindow</name>
    <message>
        <source>The user&apos;s guide %1 is missing: Ferlo is not installed whole.</source>
        <translation>Falta la guía del usuario %1: Ferlo no está instalado por completo.</translation>
    </message>
    <message>
        <source>The desktop could not open the guide (%1), so it is shown here.</source>
        <translation>El escritorio no pudo abrir la guía (%1), así que se muestra aquí.</translation>
    </message>
    <message>
        <source>no program that opens files was found</source>
        <translation>no se encontró ningún programa que abra archivos</translation>
    </message>
    <message>
        <source>%1 stopped</source>
        <translation>%1 se detuvo</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 terminó con el estado %2</translation>
    </message>
    <message>
        <source>Ferlo Help</source>
        <extracomment>The title of the window that shows the user&apos;s guide.</extracomment>
        <translation>Ayuda de Ferlo</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>ferlo::LabelEditor</name>
    <message>
        <source>Label word of picture %1</source>
        <translation>Palabra de la imagen %1</translation>
    </message>
</context>
<context>
    <name>ferlo::LayoutDialog</name>
    <message>
        <source> mm</source>
        <extracomment>The suffix of a length in millimetres, after the number (with its space).</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <extracomment>The suffix of a length in inches, after the number (with its space).</extracomment>
        <translation> in</translation>
    </message>
    <message>
        <source>round </source>
        <extracomment>The shape of a sheet&apos;s labels, before their size (&quot;round 40.0 × 40.0 mm&quot;), with its space.</extracomment>
        <translation>redondas de </translation>
    </message>
    <message>
        <source>elliptic </source>
        <translation>elípticas de </translation>
    </message>
    <message>
        <source>%1 — %2 (%3%4 × %5 mm, %6 per sheet)</source>
        <extracomment>A sheet in the list: its name, description, labels&apos; shape and size, labels per sheet.</extracomment>
        <translation>%1 — %2 (%3%4 × %5 mm, %6 por hoja)</translation>
    </message>
    <message>
        <source>Change Layout of All Cards</source>
        <translation>Cambiar el diseño de todas las tarjetas</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>&amp;Pictures per page</source>
        <translation>&amp;Imágenes por página</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Cuadrícula</translation>
    </message>
    <message>
        <source>P&amp;resets</source>
        <translation>&amp;Plantillas</translation>
    </message>
    <message>
        <source>&amp;Sheets</source>
        <translation>&amp;Hojas</translation>
    </message>
    <message>
        <source>&amp;Fill: crop pictures to fill their cards</source>
        <translation>&amp;Rellenar: recortar las imágenes para que llenen sus tarjetas</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Sangrado:</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>C&amp;ontornos</translation>
    </message>
    <message>
        <source>Pictures &amp;per page:</source>
        <translation>Imá&amp;genes por página:</translation>
    </message>
    <message>
        <source>Por&amp;trait</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Hori&amp;zontal</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Orientación:</translation>
    </message>
    <message>
        <source>The card fills the page, as the toolbar&apos;s buttons lay it out.</source>
        <translation>La tarjeta llena la página, como la distribuyen los botones de la barra de herramientas.</translation>
    </message>
    <message>
        <source>&amp;Columns × rows:</source>
        <translation>Col&amp;umnas × filas:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
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
        <source>P&amp;aper:</source>
        <translation>P&amp;apel:</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Tamaño del papel:</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>The units of the lengths: millimetres, inches.</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>U&amp;nidad:</translation>
    </message>
    <message>
        <source>Cards of this si&amp;ze, centred:</source>
        <translation>Tarjetas de este &amp;tamaño, centradas:</translation>
    </message>
    <message>
        <source>across,</source>
        <translation>a lo ancho,</translation>
    </message>
    <message>
        <source>down</source>
        <translation>a lo alto</translation>
    </message>
    <message>
        <source>Gaps:</source>
        <translation>Separación:</translation>
    </message>
    <message>
        <source>The page &amp;divided evenly, margins:</source>
        <translation>La página &amp;dividida por igual, márgenes:</translation>
    </message>
    <message>
        <source>Brand, part number or description</source>
        <translation>Marca, referencia o descripción</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>No installed sheet matches &quot;%1&quot;.</source>
        <translation>Ninguna hoja instalada coincide con &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 hojas</translation>
    </message>
    <message>
        <source>Choose a preset.</source>
        <translation>Elija una plantilla.</translation>
    </message>
    <message>
        <source>Choose a sheet.</source>
        <translation>Elija una hoja.</translation>
    </message>
    <message>
        <source>The deck&apos;s %1 in order, with their words: %2.</source>
        <translation>%1 del mazo, en orden y con sus palabras: %2.</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 imagen</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 imágenes</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 tarjeta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 tarjetas</translation>
    </message>
    <message>
        <source>%1 per page, as the toolbar lays it out</source>
        <translation>%1 por página, como la distribuye la barra de herramientas</translation>
    </message>
</context>
<context>
    <name>ferlo::LayoutPanel</name>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Picture %1: %2</source>
        <translation>Imagen %1: %2</translation>
    </message>
    <message>
        <source>Picture %1 that cannot be shown: %2</source>
        <translation>Imagen %1 que no se puede mostrar: %2</translation>
    </message>
</context>
<context>
    <name>ferlo::SymbolBrowser</name>
    <message>
        <source>Pictures of your own symbol folders (Options) are found all the same.</source>
        <translation>Las imágenes de sus propias carpetas de símbolos (Opciones) se encuentran igualmente.</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Buscar símbolos</translation>
    </message>
    <message>
        <source>Line art</source>
        <translation>Dibujo de líneas</translation>
    </message>
    <message>
        <source>Symbols found</source>
        <translation>Símbolos encontrados</translation>
    </message>
</context>
<context>
    <name>ferlo::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Ferlo developers</source>
        <translation>Copyright © 2026 los desarrolladores de Ferlo</translation>
    </message>
    <message>
        <source>Flash cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Pictures on a card, a word under each, cut lines between them: print the page and cut it into cards.</source>
        <translation>Imágenes con su palabra en una tarjeta: imprímala y córtela.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Symbols: OpenMoji (CC BY-SA 4.0), names: Unicode CLDR</source>
        <translation>Símbolos: OpenMoji (CC BY-SA 4.0), nombres: Unicode CLDR</translation>
    </message>
</context>
<context>
    <name>ferlo::TFerloMainForm</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
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
        <source>Move card ear&amp;lier</source>
        <translation>&amp;Mover tarjeta antes</translation>
    </message>
    <message>
        <source>Move card la&amp;ter</source>
        <translation>Mover tarjeta des&amp;pués</translation>
    </message>
    <message>
        <source>Change Layout of &amp;All Cards ...</source>
        <translation>Cambiar el diseño de &amp;todas las tarjetas ...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Card &amp;Strip</source>
        <translation>&amp;Tira de tarjetas</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>Mover imagen</translation>
    </message>
    <message>
        <source>Card %1 holds that picture already</source>
        <translation>La tarjeta %1 ya tiene esa imagen</translation>
    </message>
    <message>
        <source>Card %1 is full</source>
        <translation>La tarjeta %1 está llena</translation>
    </message>
    <message>
        <source>Moved to card %1</source>
        <translation>Imagen movida a la tarjeta %1</translation>
    </message>
    <message>
        <source>Change layout of all cards</source>
        <translation>Cambiar el diseño de todas las tarjetas</translation>
    </message>
    <message>
        <source>Open deck</source>
        <translation>Abrir mazo</translation>
    </message>
    <message>
        <source>Ferlo decks (%1)</source>
        <translation>Mazos de Ferlo (%1)</translation>
    </message>
    <message>
        <source>Save deck</source>
        <translation>Guardar mazo</translation>
    </message>
    <message>
        <source>Save activity as deck</source>
        <translation>Guardar la actividad como mazo</translation>
    </message>
    <message>
        <source>activity</source>
        <translation>actividad</translation>
    </message>
    <message>
        <source>Untitled deck</source>
        <translation>Mazo sin título</translation>
    </message>
    <message>
        <source>%1[*] - Ferlo</source>
        <extracomment>The window&apos;s title: the deck&apos;s name, the mark of unsaved changes, the program&apos;s name.</extracomment>
        <translation>%1[*] - Ferlo</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Tarjeta %1 de %2</translation>
    </message>
    <message>
        <source>This application requires a screen resolution of 800x600 or higher.</source>
        <translation>Esta aplicación requiere una resolución de pantalla de 800x600 o superior.</translation>
    </message>
    <message>
        <source>Select A Picture</source>
        <translation>Elija una imagen</translation>
    </message>
    <message>
        <source>Select up to %1 Pictures</source>
        <translation>Elija hasta %1 imágenes</translation>
    </message>
    <message>
        <source>%1: the picture is damaged and shows only in part</source>
        <translation>%1: la imagen está dañada y solo se ve en parte</translation>
    </message>
    <message>
        <source>These pictures are damaged and show only in part: %1</source>
        <translation>Estas imágenes están dañadas y solo se ven en parte: %1</translation>
    </message>
    <message>
        <source>Picture %1 that cannot be shown: %2</source>
        <translation>Imagen %1 que no se puede mostrar: %2</translation>
    </message>
    <message>
        <source>Picture %1: %2</source>
        <translation>Imagen %1: %2</translation>
    </message>
    <message>
        <source>Turn Cutlines On</source>
        <translation>Activar líneas de corte</translation>
    </message>
    <message>
        <source>Turn Cutlines Off</source>
        <translation>Desactivar líneas de corte</translation>
    </message>
    <message>
        <source>This file was not found: %1</source>
        <translation>No se encontró este archivo: %1</translation>
    </message>
    <message>
        <source>These files were not found: %1</source>
        <translation>No se encontraron estos archivos: %1</translation>
    </message>
    <message>
        <source>This file is not a picture: %1</source>
        <translation>Este archivo no es una imagen: %1</translation>
    </message>
    <message>
        <source>These files are not pictures: %1</source>
        <translation>Estos archivos no son imágenes: %1</translation>
    </message>
    <message>
        <source>One deck opens at a time; not opened: %1</source>
        <translation>Se abre un solo mazo cada vez; no se abrió: %1</translation>
    </message>
    <message>
        <source>Ferlo</source>
        <extracomment>The program&apos;s name, the window&apos;s title before a deck is shown.</extracomment>
        <translation>Ferlo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New deck</source>
        <translation>&amp;Nuevo mazo</translation>
    </message>
    <message>
        <source>&amp;Open deck ...</source>
        <translation>&amp;Abrir mazo ...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as ...</source>
        <translation>Guardar &amp;como ...</translation>
    </message>
    <message>
        <source>Print se&amp;tup ...</source>
        <translation>Configurar im&amp;presora ...</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Imprimir ...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view ...</source>
        <translation>&amp;Vista previa de impresión ...</translation>
    </message>
    <message>
        <source>&amp;Export PDF ...</source>
        <translation>&amp;Exportar PDF ...</translation>
    </message>
    <message>
        <source>&amp;Double-Sided Printing ...</source>
        <translation>Impresión a &amp;doble cara ...</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet ...</source>
        <translation>Imprimir &amp;hoja de calibración ...</translation>
    </message>
    <message>
        <source>e&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Tarjeta</translation>
    </message>
    <message>
        <source>&amp;Previous card</source>
        <translation>Tarjeta &amp;anterior</translation>
    </message>
    <message>
        <source>Previous card</source>
        <translation>Tarjeta anterior</translation>
    </message>
    <message>
        <source>&amp;Next card</source>
        <translation>Tarjeta &amp;siguiente</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Tarjeta siguiente</translation>
    </message>
    <message>
        <source>N&amp;ew card</source>
        <translation>&amp;Nueva tarjeta</translation>
    </message>
    <message>
        <source>New card after this one</source>
        <translation>Nueva tarjeta después de esta</translation>
    </message>
    <message>
        <source>&amp;Remove card</source>
        <translation>&amp;Quitar tarjeta</translation>
    </message>
    <message>
        <source>Remove this card from the deck</source>
        <translation>Quitar esta tarjeta del mazo</translation>
    </message>
    <message>
        <source>&amp;Layout ...</source>
        <translation>&amp;Diseño ...</translation>
    </message>
    <message>
        <source>Re&amp;cord</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>Record: then click the picture whose word to record</source>
        <translation>Grabar: luego haga clic en la imagen cuya palabra quiere grabar</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Opciones ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help ...</source>
        <translation>Ay&amp;uda ...</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de ...</translation>
    </message>
    <message>
        <source>Clear all pictures</source>
        <translation>Borrar todas las imágenes</translation>
    </message>
    <message>
        <source>Edit label</source>
        <translation>Editar palabra</translation>
    </message>
    <message>
        <source>1 Image Per Page</source>
        <translation>1 imagen por página</translation>
    </message>
    <message>
        <source>%1 Images Per Page</source>
        <translation>%1 imágenes por página</translation>
    </message>
    <message>
        <source>Portrait Orientation</source>
        <translation>Orientación vertical</translation>
    </message>
    <message>
        <source>Landscape Orientation</source>
        <translation>Orientación horizontal</translation>
    </message>
    <message>
        <source>Cut Lines</source>
        <translation>Líneas de corte</translation>
    </message>
    <message>
        <source>&amp;Labels Off</source>
        <translation>&amp;Palabras no</translation>
    </message>
    <message>
        <source>Uppercase Labels</source>
        <translation>Palabras en mayúsculas</translation>
    </message>
    <message>
        <source>Lowercase Labels</source>
        <translation>Palabras en minúsculas</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button (verb): takes all pictures off the card.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Print Flashcard</source>
        <translation>Imprimir la tarjeta</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Card area</source>
        <translation>Zona de la tarjeta</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Cannot keep the label word of card %1, cell %2: %3.</source>
        <translation>No se puede conservar la palabra de la tarjeta %1, celda %2: %3.</translation>
    </message>
    <message>
        <source>Turn Labels Off</source>
        <translation>Desactivar las palabras</translation>
    </message>
    <message>
        <source>Turn Labels on</source>
        <translation>Activar las palabras</translation>
    </message>
    <message>
        <source>&amp;Labels On</source>
        <translation>&amp;Palabras sí</translation>
    </message>
    <message>
        <source>Layout %1</source>
        <extracomment>A step of the undo history: the layout&apos;s name, or a grid&apos;s size.</extracomment>
        <translation>Diseño %1</translation>
    </message>
    <message>
        <source>%1 × %2 grid</source>
        <translation>cuadrícula de %1 × %2</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Tarjeta %1: %2</translation>
    </message>
    <message>
        <source>The deck %1 uses sheets that are not installed. Their cards keep their pictures and are saved as they are, but cannot be shown or printed here.
%2</source>
        <translation>El mazo %1 usa hojas que no están instaladas. Sus tarjetas conservan sus imágenes y se guardan tal como están, pero aquí no se pueden mostrar ni imprimir.
%2</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Nivel de grabación</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Recording &quot;%1&quot;</source>
        <translation>Grabando &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Nothing was heard: the word &quot;%1&quot; was not recorded.</source>
        <translation>No se oyó nada: la palabra &quot;%1&quot; no se grabó.</translation>
    </message>
    <message>
        <source>The folder %1 can&apos;t be written, and the deck has no folder yet: save the deck, then record again.</source>
        <translation>No se puede escribir en la carpeta %1 y el mazo aún no tiene carpeta: guarde el mazo y vuelva a grabar.</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of a question while a word&apos;s recording is saved.</extracomment>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>The folder %1 can&apos;t be written. Save the recording beside the deck instead?</source>
        <translation>No se puede escribir en la carpeta %1. ¿Guardar la grabación junto al mazo?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>&amp;Record word</source>
        <translation>&amp;Grabar palabra</translation>
    </message>
    <message>
        <source>&amp;Edit word</source>
        <translation>&amp;Editar palabra</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado %1</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Escrito en %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 was not written</source>
        <translation>Cancelado: no se escribió %1</translation>
    </message>
    <message>
        <source>Sent to the printer %1</source>
        <translation>Enviado a la impresora %1</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>Impresión cancelada</translation>
    </message>
    <message>
        <source>Deck P&amp;roperties ...</source>
        <translation>P&amp;ropiedades del mazo ...</translation>
    </message>
    <message>
        <source>Pictures that did not fit on the new layout: %1 (Undo brings them back)</source>
        <translation>Imágenes que no cabían en la nueva disposición: %1 (Deshacer las recupera)</translation>
    </message>
    <message>
        <source>Recorded &quot;%1&quot; in %2</source>
        <translation>«%1» grabado en %2</translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be removed: %2</source>
        <translation>No se pudo eliminar la copia de recuperación %1: %2</translation>
    </message>
    <message>
        <source>A symbol&apos;s word is kept beside the deck: save the deck, then record.</source>
        <translation>La palabra de un símbolo se guarda junto al mazo: guarde el mazo y luego grabe.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Cards from &amp;Words ...</source>
        <translation>Tarjetas desde pala&amp;bras ...</translation>
    </message>
    <message>
        <source>Cards from Words</source>
        <translation>Tarjetas desde palabras</translation>
    </message>
    <message>
        <source>Add activity</source>
        <translation>Añadir juego</translation>
    </message>
    <message>
        <source>Make &amp;Activity ...</source>
        <translation>Crear &amp;juego ...</translation>
    </message>
</context>
<context>
    <name>ferlo::TdlgOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>Print as DIB</source>
        <translation>Imprimir como DIB</translation>
    </message>
    <message>
        <source>Print image as original format</source>
        <translation>Imprimir en formato original</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Spee&amp;ch ...</source>
        <translation>&amp;Voz ...</translation>
    </message>
    <message>
        <source>&amp;Reopen the last deck on start</source>
        <translation>&amp;Reabrir el último mazo al iniciar</translation>
    </message>
    <message>
        <source>Sym&amp;bols ...</source>
        <translation>&amp;Símbolos ...</translation>
    </message>
</context>
<context>
    <name>ferlo::TdlgSpeech</name>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>&amp;Speak words that have no recording</source>
        <translation>&amp;Pronunciar las palabras que no tienen grabación</translation>
    </message>
    <message>
        <source> words per minute</source>
        <translation> palabras por minuto</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>Veloci&amp;dad:</translation>
    </message>
    <message>
        <source>The deck&apos;s or the program&apos;s language</source>
        <translation>El idioma del mazo o del programa</translation>
    </message>
</context>
</TS>
