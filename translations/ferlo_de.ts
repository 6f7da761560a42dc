<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Activities</name>
    <message>
        <source>The deck has %1 different pictures, but a %2 × %3 board needs %4.</source>
        <translation>Der Stapel hat %1 verschiedene Bilder, aber ein Spielplan mit %2 × %3 braucht %4.</translation>
    </message>
    <message>
        <source>The deck&apos;s %1 pictures make only %2 different boards of %3 pictures: ask for fewer boards or add pictures.</source>
        <translation>Die %1 Bilder des Stapels ergeben nur %2 verschiedene Spielpläne mit %3 Bildern: weniger Spielpläne wählen oder Bilder hinzufügen.</translation>
    </message>
    <message>
        <source>A game has 1 to %1 boards, not %2.</source>
        <translation>Ein Spiel hat 1 bis %1 Spielpläne, nicht %2.</translation>
    </message>
    <message>
        <source>A bingo board is 3 × 3, 4 × 4 or 5 × 5, not %1 × %2.</source>
        <translation>Ein Bingo-Spielplan ist 3 × 3, 4 × 4 oder 5 × 5, nicht %1 × %2.</translation>
    </message>
    <message>
        <source>A lotto board has 1 to %3 columns and rows and at least 2 cards, not %1 × %2.</source>
        <translation>Ein Lotto-Spielplan hat 1 bis %3 Spalten und Zeilen und mindestens 2 Karten, nicht %1 × %2.</translation>
    </message>
    <message>
        <source>A %1 × %2 board has no centre cell to leave free.</source>
        <translation>Ein Spielplan mit %1 × %2 hat kein Mittelfeld, das frei bleiben kann.</translation>
    </message>
    <message>
        <source>There are no pictures to make a game of.</source>
        <translation>Es gibt keine Bilder, aus denen ein Spiel werden kann.</translation>
    </message>
    <message>
        <source>Board %1 (game %2)</source>
        <translation>Spielplan %1 (Spiel %2)</translation>
    </message>
    <message>
        <source>Caller&apos;s sheet (game %1)</source>
        <translation>Liste zum Ausrufen (Spiel %1)</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>BACK. Hold the sheet to the light with this side towards you.
Where the front&apos;s line crosses the top scale is X; where it crosses the left scale is Y.
Type X and Y as the back offset (File &gt; Double-Sided Printing).</source>
        <translation>RÜCKSEITE. Halten Sie das Blatt mit dieser Seite zu Ihnen gegen das Licht.
Wo der Strich der Vorderseite das obere Lineal kreuzt, ist X; wo er das linke Lineal kreuzt, ist Y.
Tragen Sie X und Y als Versatz der Rückseite ein (Datei &gt; Beidseitiger Druck).</translation>
    </message>
    <message>
        <source>FRONT of the calibration sheet.
Print it double-sided, as you print cards with word backs, then turn it over.</source>
        <translation>VORDERSEITE des Kalibrierblatts.
Drucken Sie es beidseitig, wie Sie Karten mit Wortrückseiten drucken, und drehen Sie es dann um.</translation>
    </message>
</context>
<context>
    <name>CardLayout</name>
    <message>
        <source>%1 landscape</source>
        <translation>%1 quer</translation>
    </message>
    <message>
        <source>%1 portrait</source>
        <translation>%1 hoch</translation>
    </message>
    <message>
        <source>%1 × %2 mm paper landscape</source>
        <translation>Papier %1 × %2 mm quer</translation>
    </message>
    <message>
        <source>%1 × %2 mm paper portrait</source>
        <translation>Papier %1 × %2 mm hoch</translation>
    </message>
    <message>
        <source>A grid has 1 to 10 columns and 1 to 10 rows, not %1 × %2.</source>
        <translation>Ein Raster hat 1 bis 10 Spalten und 1 bis 10 Zeilen, nicht %1 × %2.</translation>
    </message>
    <message>
        <source>The paper must be more than 0 and at most 1000 mm on either side, not %1 × %2 mm.</source>
        <translation>Das Papier muss auf jeder Seite größer als 0 und höchstens 1000 mm sein, nicht %1 × %2 mm.</translation>
    </message>
    <message>
        <source>A card needs a width and a height above 0 and gaps of 0 or more.</source>
        <translation>Eine Karte braucht eine Breite und eine Höhe über 0 und Abstände von 0 oder mehr.</translation>
    </message>
    <message>
        <source>%1 × %2 cards of %3 × %4 mm with their gaps need %5 × %6 mm, more than the %7 × %8 mm that can be printed on %9.</source>
        <translation>%1 × %2 Karten von %3 × %4 mm brauchen mit ihren Abständen %5 × %6 mm, mehr als die %7 × %8 mm, die auf %9 gedruckt werden können.</translation>
    </message>
    <message>
        <source>A margin of %1 mm leaves no room on %2.</source>
        <translation>Ein Rand von %1 mm lässt auf %2 keinen Platz.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the option --%1 needs a value</source>
        <translation>die Option --%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1 (see ferlo --help)</source>
        <translation>unbekannte Option %1 (siehe ferlo --help)</translation>
    </message>
    <message>
        <source>the option --%1 takes no value</source>
        <translation>die Option --%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>bad page size &quot;%1&quot;: use A4, Letter, A5 or Legal</source>
        <translation>ungültige Papiergröße &quot;%1&quot;: verwenden Sie A4, Letter, A5 oder Legal</translation>
    </message>
    <message>
        <source>bad --back-offset &quot;%1&quot;: use X,Y in millimetres, each from -10 to 10 (e.g. 1.5,-2)</source>
        <translation>ungültiger Wert für --back-offset &quot;%1&quot;: verwenden Sie X,Y in Millimetern, jeweils von -10 bis 10 (z. B. 1.5,-2)</translation>
    </message>
    <message>
        <source>the option --print-to needs a file name</source>
        <translation>die Option --print-to braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>bad number of pictures per page &quot;%1&quot;: use 1, 2, 4, 6 or 8</source>
        <translation>ungültige Zahl von Bildern pro Seite &quot;%1&quot;: verwenden Sie 1, 2, 4, 6 oder 8</translation>
    </message>
    <message>
        <source>bad --flip &quot;%1&quot;: use long or short</source>
        <translation>ungültiger Wert für --flip &quot;%1&quot;: verwenden Sie long oder short</translation>
    </message>
    <message>
        <source>bad resolution &quot;%1&quot;: use 72 to 1200 dots per inch</source>
        <translation>ungültige Auflösung &quot;%1&quot;: verwenden Sie 72 bis 1200 Punkte pro Zoll</translation>
    </message>
    <message>
        <source>no output file: give --print-to OUT.pdf</source>
        <translation>keine Ausgabedatei: geben Sie --print-to OUT.pdf an</translation>
    </message>
    <message>
        <source>no pictures to print</source>
        <translation>keine Bilder zu drucken</translation>
    </message>
    <message>
        <source>cannot load the picture %1: %2</source>
        <translation>das Bild %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>Nothing to print: the deck files hold no cards</source>
        <translation>Nichts zu drucken: Die Stapeldateien enthalten keine Karten</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --print-to</source>
        <translation>die Option --%1 gilt nur mit --print-to</translation>
    </message>
    <message>
        <source>ferlo: %1: the picture is damaged and shows only in part</source>
        <translation>ferlo: %1: das Bild ist beschädigt und zeigt sich nur teilweise</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2: %3</source>
        <translation>ungültiger Wert &quot;%1&quot; für --%2: %3</translation>
    </message>
    <message>
        <source>give a brand and part number, such as &quot;Avery 5371&quot; (see --list-sheets)</source>
        <translation>geben Sie Marke und Artikelnummer an, etwa &quot;Avery 5371&quot; (siehe --list-sheets)</translation>
    </message>
    <message>
        <source>use COLUMNSxROWS, each 1 to 10, such as 4x5</source>
        <translation>verwenden Sie SPALTENxZEILEN, jeweils 1 bis 10, etwa 4x5</translation>
    </message>
    <message>
        <source>use WIDTHxHEIGHT with a unit mm, cm, in or pt, such as 2inx2in or 85x55mm</source>
        <translation>verwenden Sie BREITExHÖHE mit einer Einheit mm, cm, in oder pt, etwa 2inx2in oder 85x55mm</translation>
    </message>
    <message>
        <source>use a length with a unit such as 3mm or 0.125in, or ACROSSxDOWN such as 3x5mm</source>
        <translation>verwenden Sie eine Länge mit Einheit wie 3mm oder 0.125in, oder WAAGERECHTxSENKRECHT wie 3x5mm</translation>
    </message>
    <message>
        <source>use A4, A5, A3, Letter, Legal, or WIDTHxHEIGHT with a unit, such as 100x150mm or 4inx6in</source>
        <translation>verwenden Sie A4, A5, A3, Letter, Legal oder BREITExHÖHE mit einer Einheit, etwa 100x150mm oder 4inx6in</translation>
    </message>
    <message>
        <source>a paper is at most 1000 mm on either side</source>
        <translation>ein Papier misst auf jeder Seite höchstens 1000 mm</translation>
    </message>
    <message>
        <source>use 0 to 6 mm with a unit, such as 3mm</source>
        <translation>verwenden Sie 0 bis 6 mm mit einer Einheit, etwa 3mm</translation>
    </message>
    <message>
        <source>the option --%1 needs %2</source>
        <translation>die Option --%1 braucht %2</translation>
    </message>
    <message>
        <source>--grid or --sheet</source>
        <translation>--grid oder --sheet</translation>
    </message>
    <message>
        <source>give either --grid or --sheet, not both</source>
        <translation>geben Sie entweder --grid oder --sheet an, nicht beides</translation>
    </message>
    <message>
        <source>--grid (a sheet has its own paper and labels)</source>
        <translation>--grid (ein Bogen hat eigenes Papier und eigene Etiketten)</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --sheet: %2</source>
        <translation>ungültiger Wert &quot;%1&quot; für --sheet: %2</translation>
    </message>
    <message>
        <source>--card-size (without it the page is divided evenly)</source>
        <translation>--card-size (ohne sie wird die Seite gleichmäßig aufgeteilt)</translation>
    </message>
    <message>
        <source>the grid does not fit: %1</source>
        <translation>das Raster passt nicht: %1</translation>
    </message>
    <message>
        <source>round </source>
        <translation>rund </translation>
    </message>
    <message>
        <source>ellipse </source>
        <translation>elliptisch </translation>
    </message>
    <message>
        <source>%1	%2	%3	%4%5 x %6 mm	%7 per sheet</source>
        <translation>%1	%2	%3	%4%5 x %6 mm	%7 pro Bogen</translation>
    </message>
    <message>
        <source>No installed sheet matches &quot;%1&quot;.</source>
        <translation>Kein installierter Bogen passt zu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ferlo: the speech engine or its voices are not installed (espeak-ng-data)</source>
        <translation>ferlo: die Sprachausgabe oder ihre Stimmen sind nicht installiert (espeak-ng-data)</translation>
    </message>
    <message>
        <source>ferlo: unknown voice &quot;%1&quot;; the voices are: %2</source>
        <translation>ferlo: unbekannte Stimme &quot;%1&quot;; die Stimmen sind: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the option --speak-to needs a folder name</source>
        <translation>die Option --speak-to braucht einen Ordnernamen</translation>
    </message>
    <message>
        <source>bad rate &quot;%1&quot;: use %2 to %3 words per minute</source>
        <translation>ungültiges Tempo &quot;%1&quot;: verwenden Sie %2 bis %3 Wörter pro Minute</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --speak-to</source>
        <translation>die Option --%1 gilt nur mit --speak-to</translation>
    </message>
    <message>
        <source>will not write over %1: it is one of the inputs; give the PDF&apos;s name after --print-to, such as --print-to cards.pdf</source>
        <translation>%1 wird nicht überschrieben: es ist eine der Eingaben; geben Sie den Namen des PDF nach --print-to an, etwa --print-to karten.pdf</translation>
    </message>
    <message>
        <source>will not write over %1: it is not a PDF; give the PDF&apos;s name after --print-to, such as --print-to cards.pdf</source>
        <translation>%1 wird nicht überschrieben: es ist kein PDF; geben Sie den Namen des PDF nach --print-to an, etwa --print-to karten.pdf</translation>
    </message>
    <message>
        <source>give either --print-to or --speak-to, not both</source>
        <translation>entweder --print-to oder --speak-to angeben, nicht beide</translation>
    </message>
    <message>
        <source>the option --%1 does not apply with --speak-to</source>
        <translation>die Option --%1 gilt nicht mit --speak-to</translation>
    </message>
    <message>
        <source>no words to speak: give pictures or decks after --speak-to DIR</source>
        <translation>keine Wörter zu sprechen: geben Sie nach --speak-to ORDNER Bilder oder Stapel an</translation>
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
        <translation>Karten aus Wörtern:
  --words &quot;W1, W2, ...&quot;  eine Kartenzelle für jedes Wort oder jede Wendung (durch Kommas
                         getrennt): ein danach benanntes Bild in einem --pictures-Ordner,
                         sonst das beste Symbol der installierten OpenMoji-Sammlung,
                         gesucht in der Sprache von --lang (sonst der des Programms),
                         dann auf Englisch und in den anderen Sprachen; die Beschriftung
                         ist das Wort wie eingegeben. Ein Wort, das nichts findet, wird
                         genannt, und nichts wird geschrieben (Exit-Status 1)
  --words-from DATEI     die Wörter einer UTF-8-Textdatei, ein Wort oder eine Wendung je Zeile
  --pictures ORDNER      ein Ordner mit Bildern, die nach Wörtern benannt sind (dog.jpg,
                         Dog2.png für &quot;dog&quot;); darf mehrmals angegeben werden
  --line-art             die schwarzen Strichzeichnungen der Symbole statt ihrer Farben
Alle Layout-Optionen gelten; ohne --per-page nehmen die Wörter die kleinste Anzahl, die
sie alle fasst (bis 8). Die Wortkarten werden nach den angegebenen Bildern und Stapeln gedruckt.
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
        <translation>Aufruf: ferlo --print-to OUT.pdf [Optionen] BILD|STAPEL...
        ferlo [Kartenoptionen] [BILD|STAPEL...]
        ferlo --speak-to ORDNER [--voice NAME] [--rate WPM] BILD|STAPEL...

Schreibt die Bilder als Lernkarten in eine PDF-Datei, ohne ein Fenster zu öffnen. Die Bilder
füllen die Plätze einer Seite in der angegebenen Reihenfolge; mehr Bilder, als eine Seite
fasst, gehen auf weiteren Seiten weiter, jede Seite genau so angeordnet wie bei einem Druck.

Ohne --print-to öffnet sich das Fenster mit den Bildern auf einer Karte, angeordnet, wie die
Kartenoptionen es angeben (--per-page bis --backs und die Raster- und Bogenoptionen --grid
bis --outlines unten); --flip, --back-offset, --fold-over, --page-size, --resolution,
--print-as-dib und --print-as-original gelten nur mit --print-to.

Optionen:
  --print-to OUT.pdf     die zu schreibende PDF-Datei (erforderlich); sie wird erst ersetzt,
                         wenn das ganze Dokument geschrieben ist
  --per-page N           Bilder pro Seite: 1, 2, 4, 6 oder 8 (Standard 4); mit einem STAPEL
                         angegeben, geht sie den Zahlen des Stapels vor (siehe unten)
  --portrait             Seiten im Hochformat
  --landscape            Seiten im Querformat (der Standard)
  --labels-off           keine Wörter unter den Bildern
  --lowercase            Wörter in Kleinbuchstaben (Standard: Großbuchstaben)
  --cutlines-off         kein Rahmen und keine Schnittlinien
  --backs                nach jeder Seite eine Rückseite mit dem Wort jedes Bildes im
                         gespiegelten Platz, für beidseitigen Druck (im Fenster: setzt
                         das Häkchen bei Datei &gt; Wörter auf Rückseiten drucken, das
                         erhalten bleibt)
  --flip long|short      die Kante, an der das Blatt gewendet wird, um die Rückseiten
                         zu lesen (Standard: die Wahl des Stapels, sonst die lange Kante
                         für Karten im Hochformat und die kurze Kante für Karten im
                         Querformat)
  --back-offset X,Y      jede Rückseite um X mm nach rechts und Y mm nach unten verschieben,
                         jeweils -10 bis 10, damit die Rückseiten ihre Vorderseiten treffen
  --fold-over            statt Rückseiten jede Vorderseite und ihr Wort auf einem Blatt, in
                         der Mitte zu falten (2 oder mehr Bilder pro Seite)
  --page-size GRÖSSE     A4, Letter, A5 oder Legal (Standard A4)
  --resolution DPI       Gerätepixel pro Zoll, 72 bis 1200 (Standard 600)
  --print-as-dib         Bilder über ihre geräteunabhängige Form zeichnen
  --print-as-original    Bilder so zeichnen, wie sie dekodiert wurden
                         (Standard: die gespeicherte Druckoption)
  --grid SxZ             ein Raster aus S Spalten und Z Zeilen (je 1 bis 10) anstelle von
                         --per-page; die Seite wird gleichmäßig aufgeteilt, außer mit
                         --card-size
  --card-size BxH        die Karten des Rasters in dieser Größe, zentriert, etwa 2inx2in
                         oder 85x55mm (Einheiten mm, cm, in, pt)
  --gap LÄNGE            der Abstand zwischen den Karten des Rasters, etwa 3mm (oder WxSmm:
                         waagerecht x senkrecht)
  --paper PAPIER         das Papier des Rasters: A4, A5, A3, Letter, Legal oder BxH mit einer
                         Einheit (Standard Letter); --portrait und --landscape drehen es
  --sheet &quot;MARKE NUMMER&quot; ein Etiketten- oder Kartenbogen der installierten Bogenvorlagen
                         (Paket glabels-data), etwa &quot;Avery 5371&quot;
  --fill                 jedes Bild zuschneiden, bis es seine Fläche füllt (Standard:
                         einpassen)
  --bleed LÄNGE          gefüllte Bilder reichen so weit über den Beschnitt, 0 bis 6 mm
  --outlines             eine dünne Linie entlang der Kante jeder Karte
  --list-sheets [TEXT]   die installierten Bögen auflisten, deren Marke, Artikelnummer oder
                         Beschreibung TEXT enthält: Marke, Nummer, Beschreibung,
                         Etikettengröße und Etiketten pro Bogen
  --speak-to ORDNER      statt eines PDF für jedes Wort der Bilder und Stapel ohne
                         Aufnahme ORDNER/WORT.wav schreiben, gesprochen von der
                         Sprachausgabe; nennt jede geschriebene Datei
  --voice NAME           mit --speak-to: die Stimme, eine Sprache wie en-GB oder de
                         (Standard: die Sprache des Stapels, sonst die des Programms)
  --rate WPM             mit --speak-to: Wörter pro Minute, 80 bis 450 (Standard 175)
  --list-symbols WORT    die Symbole, die ein Wort findet, die besten zuerst, in der
                         Sprache von --lang: Hexcode, Name und Schlagwörter (eine
                         Datei der eigenen Symbolordner: ihr Pfad, ihr Wort)
  --lang CODE            die Sprache der Texte und Meldungen des Programms, etwa de, es, fr
                         oder ar (Standard: FERLO_LANG, sonst die des Systems; en für
                         Englisch)
  --quiet                kein Fortschritt &quot;Seite n von m&quot; auf der Standardfehlerausgabe
                         (nur gezeigt, wenn diese ein Terminal ist)
  --help                 diesen Text zeigen
  --version              Namen und Version des Programms zeigen (ferlo VERSION)
  --                     was folgt, sind Bilder, auch wenn sie mit &apos;-&apos; beginnen

Das Wort eines Bildes ist sein Dateiname ohne Ordner, Endung und Ziffern am Ende.

Ein STAPEL ist eine Stapeldatei (ein Name, der auf .ferlo endet): Jede ihrer Karten wird als
eine Seite gedruckt, mit ihrer eigenen Zahl, Ausrichtung und ihren eigenen Schaltern und
Wörtern. Die Eingaben werden in der angegebenen Reihenfolge gedruckt; Bilder zwischen Stapeln
füllen wie oben eigene Seiten.
Mit --per-page N wird der Stapel neu angeordnet, wie Karte &gt; Layout aller Karten ändern
es tut: Seine Bilder füllen der Reihe nach, mit ihren Wörtern, Seiten zu je N, mit den
Schaltern und der Ausrichtung seiner ersten Karte (oder der, die --portrait oder
--landscape angibt). Die Datei wird nicht verändert.

Ein Name nach --print-to, der nicht auf .pdf endet, bekommt .pdf angehängt, außer er ist
schon ein PDF. Eine Ausgabe, die eine der Eingaben ist, oder eine vorhandene Datei, die kein
PDF ist, wird abgelehnt, damit ein vergessener Name (--print-to *.jpg) kein Bild ersetzt.

Exit-Status: 0, wenn das PDF oder jedes gesprochene Wort geschrieben wurde, 2 bei einer
fehlerhaften Befehlszeile oder einer unbekannten Stimme, 1, wenn ein Bild oder Stapel nicht
geladen oder eine Datei nicht geschrieben werden konnte (auch bei voller Festplatte: eine
alte Datei dieses Namens bleibt dann unverändert).
</translation>
    </message>
    <message>
        <source>bad --board &quot;%1&quot;: use columns x rows, such as 5x5</source>
        <translation>ungültiges --board „%1“: Spalten x Zeilen angeben, etwa 5x5</translation>
    </message>
    <message>
        <source>bad --activity &quot;%1&quot;: use memory, match, lotto or bingo</source>
        <translation>ungültiges --activity „%1“: memory, match, lotto oder bingo angeben</translation>
    </message>
    <message>
        <source>bad number of boards &quot;%1&quot;: use 1 to 500</source>
        <translation>ungültige Zahl von Spielplänen „%1“: 1 bis 500 angeben</translation>
    </message>
    <message>
        <source>bad --seed &quot;%1&quot;: use a whole number from 0 to 18446744073709551615</source>
        <translation>ungültiges --seed „%1“: eine ganze Zahl von 0 bis 18446744073709551615 angeben</translation>
    </message>
    <message>
        <source>the option --back-picture needs a file name</source>
        <translation>die Option --back-picture braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --activity</source>
        <translation>die Option --%1 gilt nur mit --activity</translation>
    </message>
    <message>
        <source>the option --%1 does not apply to --activity %2</source>
        <translation>die Option --%1 gilt nicht für --activity %2</translation>
    </message>
    <message>
        <source>--fold-over, --words and --words-from do not apply with --activity</source>
        <translation>--fold-over, --words und --words-from gelten nicht mit --activity</translation>
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
        <translation>Spiele:
  --activity ART         ein Spiel aus den angegebenen Bildern und denen der Stapel statt
                         Karten: memory (jedes Bild zweimal), match (jedes Bild und eine
                         Karte mit seinem Wort), lotto (Spielpläne und Rufkarten) oder
                         bingo (Spielpläne, eine Liste zum Ausrufen und Rufkarten)
  --boards N             lotto und bingo: wie viele Spielpläne, 1 bis 500 (Vorgabe 1)
  --board CxR            Spalten und Zeilen eines Spielplans (bingo: 3x3, 4x4 oder 5x5,
                         Vorgabe 5x5; lotto: je 1 bis 6, Vorgabe 3x3)
  --free-centre [WORT]   bingo: das Mittelfeld ist frei und zeigt WORT (Vorgabe
                         &quot;Frei&quot;); --free-centre=DATEI zeigt das Bild DATEI
  --seed N               lotto und bingo: die Spielpläne werden aus N gezogen (eine
                         ganze Zahl); dasselbe N ergibt dieselben Spielpläne (Vorgabe:
                         ein neuer Wert, gedruckt mit der Nummer jedes Spielplans)
  --back-picture DATEI   memory und match: DATEI auf der Rückseite jeder Karte (--backs
                         allein: ein einfaches Muster), gesetzt nach --flip und --back-offset
Spielpläne werden auf dem Papier von --page-size (oder --paper) gedruckt, die Karten von
memory und match und die Rufkarten im Layout von --per-page, --grid oder --sheet, mit den
Optionen der Beschriftung. Zu wenige Bilder für einen Spielplan oder für so viele
verschiedene Spielpläne wie verlangt werden genannt, und nichts wird geschrieben
(Rückgabewert 1).
</translation>
    </message>
</context>
<context>
    <name>DeckEdit</name>
    <message>
        <source>Clear card %1</source>
        <translation>Karte %1 leeren</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>%1 platzieren</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>%1 von der Karte nehmen</translation>
    </message>
    <message>
        <source>Edit word %1</source>
        <translation>Wort %1 bearbeiten</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>%1 aufnehmen</translation>
    </message>
    <message>
        <source>Place %1 pictures</source>
        <translation>%1 Bilder platzieren</translation>
    </message>
    <message>
        <source>Change card %1</source>
        <translation>Karte %1 ändern</translation>
    </message>
    <message>
        <source>Change layout of card %1</source>
        <translation>Layout von Karte %1 ändern</translation>
    </message>
    <message>
        <source>1 picture per card</source>
        <translation>1 Bild pro Karte</translation>
    </message>
    <message>
        <source>%1 pictures per card</source>
        <translation>%1 Bilder pro Karte</translation>
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
        <source>Labels on</source>
        <translation>Wörter an</translation>
    </message>
    <message>
        <source>Labels off</source>
        <translation>Wörter aus</translation>
    </message>
    <message>
        <source>Uppercase labels</source>
        <translation>Wörter in Großbuchstaben</translation>
    </message>
    <message>
        <source>Lowercase labels</source>
        <translation>Wörter in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Cut lines on</source>
        <translation>Schnittlinien an</translation>
    </message>
    <message>
        <source>Cut lines off</source>
        <translation>Schnittlinien aus</translation>
    </message>
    <message>
        <source>New card</source>
        <translation>Neue Karte</translation>
    </message>
    <message>
        <source>Remove card %1</source>
        <translation>Karte %1 entfernen</translation>
    </message>
    <message>
        <source>Move card %1</source>
        <translation>Karte %1 verschieben</translation>
    </message>
    <message>
        <source>Move picture to card %1</source>
        <translation>Bild auf Karte %1 verschieben</translation>
    </message>
    <message>
        <source>Double-sided printing</source>
        <translation>Beidseitiger Druck</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Change cards</source>
        <translation>Karten ändern</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Cannot read the deck file %1: %2: %3</source>
        <translation>Die Stapeldatei %1 kann nicht gelesen werden: %2: %3</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>ein Array</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>expected %1, not %2</source>
        <translation>erwartet: %1, gefunden: %2</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a cell needs a &quot;picture&quot; (a free cell is null)</source>
        <translation>ein Platz braucht ein &quot;picture&quot; (ein freier Platz ist null)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>a file name cannot hold a NUL character</source>
        <translation>ein Dateiname darf kein NUL-Zeichen enthalten</translation>
    </message>
    <message>
        <source>1, 2, 4, 6 or 8</source>
        <translation>1, 2, 4, 6 oder 8</translation>
    </message>
    <message>
        <source>%1, the grid&apos;s cards</source>
        <translation>%1, die Karten des Rasters</translation>
    </message>
    <message>
        <source>1 to %1</source>
        <translation>1 bis %1</translation>
    </message>
    <message>
        <source>a sheet&apos;s card needs its number of labels</source>
        <translation>eine Karte eines Bogens braucht die Zahl seiner Etiketten</translation>
    </message>
    <message>
        <source>expected &quot;portrait&quot; or &quot;landscape&quot;</source>
        <translation>erwartet: &quot;portrait&quot; oder &quot;landscape&quot;</translation>
    </message>
    <message>
        <source>%1 cells, more than the card&apos;s count of %2</source>
        <translation>%1 Plätze, mehr als die %2 Plätze der Karte</translation>
    </message>
    <message>
        <source>an object or null</source>
        <translation>ein Objekt oder null</translation>
    </message>
    <message>
        <source>expected %1, not &quot;%2&quot;</source>
        <translation>erwartet: %1, gefunden: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;: this is not a deck</source>
        <translation>erwartet: &quot;%1&quot;; dies ist kein Stapel</translation>
    </message>
    <message>
        <source>a version number</source>
        <translation>eine Versionsnummer</translation>
    </message>
    <message>
        <source>version %1 is newer than this program reads (%2)</source>
        <translation>Version %1 ist neuer, als dieses Programm lesen kann (%2)</translation>
    </message>
    <message>
        <source>the word is %1 characters long; a label word holds at most %2 characters</source>
        <translation>das Wort ist %1 Zeichen lang; ein Wort unter einem Bild hat höchstens %2 Zeichen</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: the file is larger than 16 MB, more than any deck holds</source>
        <translation>Die Stapeldatei %1 kann nicht gelesen werden: Die Datei ist größer als 16 MB, mehr als ein Stapel je braucht</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: the file is empty</source>
        <translation>Die Stapeldatei %1 kann nicht gelesen werden: Die Datei ist leer</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>die oberste Ebene</translation>
    </message>
    <message>
        <source>expected an object, not an array</source>
        <translation>erwartet: ein Objekt, gefunden: ein Array</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: %2</source>
        <translation>Die Stapeldatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the deck file %1: it would not read back (%2)</source>
        <translation>Die Stapeldatei %1 kann nicht geschrieben werden: Sie ließe sich nicht wieder lesen (%2)</translation>
    </message>
    <message>
        <source>Cannot write the deck file %1: %2</source>
        <translation>Die Stapeldatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>The deck file %1 names a missing picture: %2</source>
        <translation>Die Stapeldatei %1 nennt ein fehlendes Bild: %2</translation>
    </message>
    <message>
        <source>The deck file %1 names %2 missing pictures: %3</source>
        <translation>Die Stapeldatei %1 nennt %2 fehlende Bilder: %3</translation>
    </message>
    <message>
        <source>an object or array</source>
        <translation>ein Objekt oder Array</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>a name of at most 200 characters</source>
        <translation>ein Name mit höchstens 200 Zeichen</translation>
    </message>
    <message>
        <source>a number from 1 to 1000</source>
        <translation>eine Zahl von 1 bis 1000</translation>
    </message>
    <message>
        <source>a symbol&apos;s hexcode (&quot;1F415&quot;)</source>
        <translation>den Hexcode eines Symbols (&quot;1F415&quot;)</translation>
    </message>
    <message>
        <source>a symbol set&apos;s name</source>
        <translation>den Namen einer Symbolsammlung</translation>
    </message>
    <message>
        <source>&quot;color&quot; or &quot;line&quot;</source>
        <translation>&quot;color&quot; oder &quot;line&quot;</translation>
    </message>
    <message>
        <source>a cell holds a &quot;picture&quot; or a &quot;symbol&quot;, not both</source>
        <translation>eine Zelle enthält ein &quot;picture&quot; oder ein &quot;symbol&quot;, nicht beides</translation>
    </message>
    <message>
        <source>a word card holds no &quot;picture&quot; or &quot;symbol&quot;</source>
        <translation>eine Wortkarte enthält kein &quot;picture&quot; oder &quot;symbol&quot;</translation>
    </message>
</context>
<context>
    <name>DuplexDialog</name>
    <message>
        <source>Take the printed sheets out of the printer, turn the stack over sideways (about its long edge, so that the same edge goes in first) and put it back into the paper tray.</source>
        <translation>Nehmen Sie die bedruckten Blätter aus dem Drucker, drehen Sie den Stapel seitlich um (um seine lange Kante, sodass dieselbe Kante zuerst eingezogen wird), und legen Sie ihn wieder in das Papierfach.</translation>
    </message>
    <message>
        <source>Take the printed sheets out of the printer and put the stack back into the paper tray as it lies, printed side up, the same edge first.</source>
        <translation>Nehmen Sie die bedruckten Blätter aus dem Drucker, und legen Sie den Stapel so, wie er liegt, wieder in das Papierfach: bedruckte Seite nach oben, dieselbe Kante zuerst.</translation>
    </message>
    <message>
        <source>out: [3][2][1] face down, 1 at the bottom  ⟶  turn over sideways  ⟶  in: card 1 first</source>
        <translation>Ausgabe: [3][2][1] Schrift nach unten, 1 zuunterst  ⟶  seitlich wenden  ⟶  Einzug: Karte 1 zuerst</translation>
    </message>
    <message>
        <source>out: [1][2][3] face down, 1 on top  ⟶  turn over sideways  ⟶  in: the last card first</source>
        <translation>Ausgabe: [1][2][3] Schrift nach unten, 1 obenauf  ⟶  seitlich wenden  ⟶  Einzug: letzte Karte zuerst</translation>
    </message>
    <message>
        <source>out: [3][2][1] face up, 1 at the bottom  ⟶  as it lies  ⟶  in: the last card first</source>
        <translation>Ausgabe: [3][2][1] Schrift nach oben, 1 zuunterst  ⟶  wie er liegt  ⟶  Einzug: letzte Karte zuerst</translation>
    </message>
    <message>
        <source>out: [1][2][3] face up, 1 on top  ⟶  as it lies  ⟶  in: card 1 first</source>
        <translation>Ausgabe: [1][2][3] Schrift nach oben, 1 obenauf  ⟶  wie er liegt  ⟶  Einzug: Karte 1 zuerst</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Double-Sided Printing</source>
        <translation>Beidseitiger Druck</translation>
    </message>
    <message>
        <source>Turning the sheet over</source>
        <translation>Wenden des Blattes</translation>
    </message>
    <message>
        <source>Standard: the long edge for portrait cards, the short edge for landscape cards</source>
        <translation>Standard: die lange Kante für Karten im Hochformat, die kurze Kante für Karten im Querformat</translation>
    </message>
    <message>
        <source>On the long edge</source>
        <translation>An der langen Kante</translation>
    </message>
    <message>
        <source>On the short edge</source>
        <translation>An der kurzen Kante</translation>
    </message>
    <message>
        <source>Printing both sides</source>
        <translation>Beide Seiten drucken</translation>
    </message>
    <message>
        <source>The printer prints both sides</source>
        <translation>Der Drucker druckt beide Seiten</translation>
    </message>
    <message>
        <source>By hand: the printer lays the sheets face down</source>
        <translation>Von Hand: Der Drucker legt die Blätter mit der Schrift nach unten ab</translation>
    </message>
    <message>
        <source>By hand: face down, the printer prints the last page first</source>
        <translation>Von Hand: Schrift nach unten, der Drucker druckt die letzte Seite zuerst</translation>
    </message>
    <message>
        <source>By hand: the printer lays the sheets face up</source>
        <translation>Von Hand: Der Drucker legt die Blätter mit der Schrift nach oben ab</translation>
    </message>
    <message>
        <source>By hand: face up, the printer prints the last page first</source>
        <translation>Von Hand: Schrift nach oben, der Drucker druckt die letzte Seite zuerst</translation>
    </message>
    <message>
        <source>By hand, the fronts print first; then the program asks you to put the stack back.
If your paper tray prints on the upper side of the sheet, choose the other face.</source>
        <translation>Von Hand werden zuerst die Vorderseiten gedruckt, dann legen Sie den Stapel wieder ein.
Druckt Ihr Papierfach auf die obere Seite des Blattes, wählen Sie die andere Lage der Schrift.</translation>
    </message>
    <message>
        <source>&amp;Fold-over: each front and its word on one sheet, printed on one side and folded in the middle</source>
        <translation>&amp;Falten: jede Vorderseite und ihr Wort auf einem Blatt, einseitig gedruckt und in der Mitte gefaltet</translation>
    </message>
    <message>
        <source>Back offset of the printer %1</source>
        <translation>Versatz der Rückseite für den Drucker %1</translation>
    </message>
    <message>
        <source>X (to the right on the back):</source>
        <translation>X (auf der Rückseite nach rechts):</translation>
    </message>
    <message>
        <source>Y (down on the back):</source>
        <translation>Y (auf der Rückseite nach unten):</translation>
    </message>
    <message>
        <source>Print the calibration sheet, hold it to the light with its back towards you,
and type where the front&apos;s lines cross the top and the left scale.</source>
        <translation>Drucken Sie das Kalibrierblatt, halten Sie es mit der Rückseite zu Ihnen gegen das Licht,
und tragen Sie ein, wo die Striche der Vorderseite das obere und das linke Lineal kreuzen.</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet ...</source>
        <translation>&amp;Kalibrierblatt drucken ...</translation>
    </message>
    <message>
        <source>Back offset of PDF files</source>
        <translation>Versatz der Rückseite für PDF-Dateien</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>Es ist nicht genug Speicher vorhanden, um diesen Befehl auszuführen.</translation>
    </message>
    <message>
        <source>%1: not enough memory.</source>
        <translation>%1: nicht genug Speicher.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>An unexpected error stopped this command.</source>
        <translation>Ein unerwarteter Fehler hat diesen Befehl abgebrochen.</translation>
    </message>
</context>
<context>
    <name>GridPresets</name>
    <message>
        <source>2 × 2 in picture cards (Letter)</source>
        <translation>Bildkarten 2 × 2 in (Letter)</translation>
    </message>
    <message>
        <source>2 × 2 in picture cards (A4)</source>
        <translation>Bildkarten 2 × 2 in (A4)</translation>
    </message>
    <message>
        <source>3 × 5 in index cards</source>
        <translation>Karteikarten 3 × 5 in</translation>
    </message>
    <message>
        <source>business cards 85 × 55 mm</source>
        <translation>Visitenkarten 85 × 55 mm</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The changes are lost if you don&apos;t save them.</source>
        <translation>Die Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>PictureErrors</name>
    <message>
        <source>the file is too large (more than %1 MB)</source>
        <translation>die Datei ist zu groß (mehr als %1 MB)</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>die Datei konnte nicht bis zu ihrem Ende gelesen werden</translation>
    </message>
    <message>
        <source>there is not enough memory to read the file</source>
        <translation>es ist nicht genug Speicher vorhanden, um die Datei zu lesen</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>das Bild hat keine Pixel (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture&apos;s pixels do not match its size</source>
        <translation>die Pixel des Bildes passen nicht zu seiner Größe</translation>
    </message>
    <message>
        <source>there is not enough memory for %1 x %2 pixels</source>
        <translation>es ist nicht genug Speicher für %1 x %2 Pixel vorhanden</translation>
    </message>
    <message>
        <source>this HEIF file holds an image sequence, which cannot be printed</source>
        <translation>diese HEIF-Datei enthält eine Bildfolge, die nicht gedruckt werden kann</translation>
    </message>
    <message>
        <source>this HEIF file&apos;s picture is an identity-derived (&apos;iden&apos;) item, which cannot be read</source>
        <translation>das Bild dieser HEIF-Datei ist ein abgeleitetes Element (&apos;iden&apos;), das nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>this is not a HEIF picture that can be read</source>
        <translation>dies ist kein HEIF-Bild, das gelesen werden kann</translation>
    </message>
    <message>
        <source>this HEIF file uses a kind of picture that cannot be read</source>
        <translation>diese HEIF-Datei verwendet eine Bildart, die nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>the picture has more than %1 scans</source>
        <translation>das Bild hat mehr als %1 Scans</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1)</source>
        <translation>das Bild hat keine Pixel (%1)</translation>
    </message>
    <message>
        <source>the picture is too large: decoding %1 x %2 pixels needs more than %3 MB (%4)</source>
        <translation>das Bild ist zu groß: Das Dekodieren von %1 x %2 Pixeln braucht mehr als %3 MB (%4)</translation>
    </message>
    <message>
        <source>the file is cut off before its picture data (%1)</source>
        <translation>die Datei endet vor ihren Bilddaten (%1)</translation>
    </message>
    <message>
        <source>the file name does not end in %1</source>
        <translation>der Dateiname endet nicht auf %1</translation>
    </message>
    <message>
        <source>it is a folder, not a picture file</source>
        <translation>es ist ein Ordner, keine Bilddatei</translation>
    </message>
    <message>
        <source>it is not a plain file (a device, pipe or socket)</source>
        <translation>es ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the picture is too large: %1 x %2 pixels need more than %3 MB</source>
        <translation>das Bild ist zu groß: %1 x %2 Pixel brauchen mehr als %3 MB</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>the file is cut off before the end of its picture data</source>
        <translation>die Datei endet vor dem Ende ihrer Bilddaten</translation>
    </message>
    <message>
        <source>Not a PNG file: starts with 0x%1 0x%2</source>
        <translation>Keine PNG-Datei: beginnt mit 0x%1 0x%2</translation>
    </message>
    <message>
        <source>the file is damaged: its %1 chunk claims %2 bytes but the file ends after %3</source>
        <translation>die Datei ist beschädigt: Ihr %1-Block gibt %2 Bytes an, aber die Datei endet nach %3</translation>
    </message>
    <message>
        <source>the file is damaged: its %1 chunk of %2 bytes is larger than the %3 MB a picture&apos;s side data may take</source>
        <translation>die Datei ist beschädigt: Ihr %1-Block von %2 Bytes ist größer als die %3 MB, die die Nebendaten eines Bildes belegen dürfen</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>die Datei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>its rows do not match its size</source>
        <translation>die Zeilen passen nicht zur Größe des Bildes</translation>
    </message>
    <message>
        <source>the file is cut off before its picture data</source>
        <translation>die Datei endet vor ihren Bilddaten</translation>
    </message>
    <message>
        <source>the bitmap is damaged or of a kind that cannot be read</source>
        <translation>die Bitmap ist beschädigt oder von einer Art, die nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>Not a BMP file: starts with 0x%1 0x%2</source>
        <translation>Keine BMP-Datei: beginnt mit 0x%1 0x%2</translation>
    </message>
    <message>
        <source>%1 (the bitmap&apos;s header is cut off)</source>
        <translation>%1 (der Kopf der Bitmap ist abgeschnitten)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot print fold-over cards: the cards of this grid or sheet do not stand in pairs about the middle of the paper, so no fold puts one behind another.</source>
        <translation>Faltkarten können nicht gedruckt werden: Die Karten dieses Rasters oder Bogens liegen nicht paarweise um die Mitte des Papiers, daher bringt kein Falz eine Karte hinter eine andere.</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Cannot print fold-over cards: a card of %1 picture per page in %2 has no middle line between its cells to fold on. Choose 2 or more pictures per page.</source>
        <translation>Faltkarten können nicht gedruckt werden: Eine Karte mit %1 Bild pro Seite im %2 hat keine Mittellinie zwischen ihren Plätzen, an der sie gefaltet werden kann. Wählen Sie 2 oder mehr Bilder pro Seite.</translation>
    </message>
    <message>
        <source>Cannot print fold-over cards: a card of %1 pictures per page in %2 has no middle line between its cells to fold on. Choose 2 or more pictures per page.</source>
        <translation>Faltkarten können nicht gedruckt werden: Eine Karte mit %1 Bildern pro Seite im %2 hat keine Mittellinie zwischen ihren Plätzen, an der sie gefaltet werden kann. Wählen Sie 2 oder mehr Bilder pro Seite.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht gedruckt werden: %2</translation>
    </message>
    <message>
        <source>Cannot print</source>
        <translation>Drucken nicht möglich</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; did not start the job.</source>
        <translation>Drucken nicht möglich: Der Drucker &quot;%1&quot; hat den Auftrag nicht begonnen.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; could not start page %2.</source>
        <translation>der Drucker &quot;%1&quot; konnte Seite %2 nicht beginnen.</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; reported an error.</source>
        <translation>Drucken nicht möglich: Der Drucker &quot;%1&quot; hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Cannot print to the file %1: %2</source>
        <translation>In die Datei %1 kann nicht gedruckt werden: %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; is not available.</source>
        <translation>Drucken nicht möglich: Der Drucker &quot;%1&quot; ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Cannot print: the page range picks none of the %1 cards.</source>
        <translation>Drucken nicht möglich: Der Seitenbereich wählt keine der %1 Karten aus.</translation>
    </message>
    <message>
        <source>The fronts are printed.

%1

Then click Continue to print the backs.</source>
        <translation>Die Vorderseiten sind gedruckt.

%1

Klicken Sie dann auf Weiter, um die Rückseiten zu drucken.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Sheet %1, to fold</source>
        <translation>Blatt %1, zum Falten</translation>
    </message>
    <message>
        <source>Card %1, back</source>
        <translation>Karte %1, Rückseite</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Drucken ...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Print Word &amp;Backs</source>
        <translation>Wörter auf &amp;Rückseiten drucken</translation>
    </message>
    <message>
        <source>Cannot print a card with %1 pictures per page: a page holds 1, 2, 4, 6 or 8 pictures.</source>
        <translation>Eine Karte mit %1 Bildern pro Seite kann nicht gedruckt werden: Eine Seite fasst 1, 2, 4, 6 oder 8 Bilder.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1: not enough memory for %2 x %3 pixels.</source>
        <translation>Das Bild %1 kann nicht gedruckt werden: nicht genug Speicher für %2 x %3 Pixel.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1</source>
        <translation>Das Bild %1 kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1: %2</source>
        <translation>Die PDF-Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>there is no page to write.</source>
        <translation>es gibt keine Seite zu schreiben.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es ist ein Ordner.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>the PDF writer could not start the document.</source>
        <translation>die PDF-Ausgabe konnte das Dokument nicht beginnen.</translation>
    </message>
    <message>
        <source>could not start page %1.</source>
        <translation>Seite %1 konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>the PDF writer failed.</source>
        <translation>die PDF-Ausgabe ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>the text of its label words could not be added (%1).</source>
        <translation>der Text seiner Beschriftungswörter konnte nicht hinzugefügt werden (%1).</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>die Datei wurde nicht vollständig geschrieben</translation>
    </message>
</context>
<context>
    <name>RecentDecks</name>
    <message>
        <source>Not found: %1</source>
        <translation>Nicht gefunden: %1</translation>
    </message>
    <message>
        <source>No recent decks</source>
        <translation>Keine zuletzt verwendeten Stapel</translation>
    </message>
    <message>
        <source>Recent Dec&amp;ks</source>
        <translation>&amp;Zuletzt verwendete Stapel</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Recover Decks</source>
        <translation>Stapel wiederherstellen</translation>
    </message>
    <message>
        <source>Ferlo ended before these decks were saved. Restore a deck, save it under a name, or discard it. Decks left here are offered again at the next start.</source>
        <translation>Ferlo wurde beendet, bevor diese Stapel gespeichert waren. Stellen Sie einen Stapel wieder her, speichern Sie ihn unter einem Namen oder verwerfen Sie ihn. Was hier bleibt, wird beim nächsten Start wieder angeboten.</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Save As ...</source>
        <translation>&amp;Speichern unter ...</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read: %2</source>
        <translation>Die Wiederherstellungskopie %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the file is larger than any deck</source>
        <translation>die Datei ist größer als jeder Stapel</translation>
    </message>
    <message>
        <source>a deck, but no recovery copy of this program</source>
        <translation>ein Stapel, aber keine Wiederherstellungskopie dieses Programms</translation>
    </message>
    <message>
        <source>recovery.deckFile: expected an absolute file name</source>
        <translation>recovery.deckFile: absoluter Dateiname erwartet</translation>
    </message>
    <message>
        <source>recovery.changed: expected a time</source>
        <translation>recovery.changed: Zeitangabe erwartet</translation>
    </message>
    <message>
        <source>It could not be set aside either.</source>
        <translation>Sie konnte auch nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>Sie wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>Ferlo cannot keep a recovery copy of the deck in %1: %2
Your files are as they were; save the deck to keep its changes.</source>
        <translation>Ferlo kann keine Wiederherstellungskopie des Stapels in %1 anlegen: %2
Ihre Dateien sind unverändert; speichern Sie den Stapel, um seine Änderungen zu behalten.</translation>
    </message>
    <message>
        <source>the lock file cannot be made</source>
        <translation>die Sperrdatei kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The print option could not be saved to %1</source>
        <translation>Die Druckoption konnte nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>a backslash in quotes must be followed by \ or &quot;</source>
        <translation>auf einen Backslash in Anführungszeichen muss \ oder &quot; folgen</translation>
    </message>
    <message>
        <source>a quoted text has no closing quote</source>
        <translation>ein Text in Anführungszeichen hat kein schließendes Anführungszeichen</translation>
    </message>
    <message>
        <source>there is text after the closing quote</source>
        <translation>nach dem schließenden Anführungszeichen steht noch Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dword</source>
        <translation>&quot;%1&quot; ist kein dword</translation>
    </message>
    <message>
        <source>removing values is not supported</source>
        <translation>das Entfernen von Werten wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the value&apos;s data is not understood</source>
        <translation>die Daten des Wertes sind unverständlich</translation>
    </message>
    <message>
        <source>hexadecimal data has no &quot;:&quot;</source>
        <translation>hexadezimalen Daten fehlt der &quot;:&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value type</source>
        <translation>&quot;%1&quot; ist kein Werttyp</translation>
    </message>
    <message>
        <source>hexadecimal data ends in a backslash</source>
        <translation>hexadezimale Daten enden mit einem Backslash</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hexadecimal byte</source>
        <translation>&quot;%1&quot; ist kein hexadezimales Byte</translation>
    </message>
    <message>
        <source>the file is not valid %1 text</source>
        <translation>die Datei ist kein gültiger %1-Text</translation>
    </message>
    <message>
        <source>the settings file could not be locked</source>
        <translation>die Einstellungsdatei konnte nicht gesperrt werden</translation>
    </message>
    <message>
        <source>the settings file is locked by another program</source>
        <translation>die Einstellungsdatei ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>the file does not start with &quot;%1&quot;</source>
        <translation>die Datei beginnt nicht mit &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>ein Schlüsselname hat keine schließende Klammer</translation>
    </message>
    <message>
        <source>removing keys is not supported</source>
        <translation>das Entfernen von Schlüsseln wird nicht unterstützt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid key name</source>
        <translation>&quot;%1&quot; ist kein gültiger Schlüsselname</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not belong to %2</source>
        <translation>der Schlüssel &quot;%1&quot; gehört nicht zu %2</translation>
    </message>
    <message>
        <source>the line is not a key, a value or a comment</source>
        <translation>die Zeile ist weder ein Schlüssel noch ein Wert noch ein Kommentar</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>ein Wert steht vor dem ersten Schlüssel</translation>
    </message>
    <message>
        <source>a value name is not followed by &quot;=&quot;</source>
        <translation>auf einen Wertnamen folgt kein &quot;=&quot;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the settings file holds a name or a value that cannot be written back unchanged</source>
        <translation>die Einstellungsdatei enthält einen Namen oder Wert, der nicht unverändert zurückgeschrieben werden kann</translation>
    </message>
    <message>
        <source>the settings file is not a regular file</source>
        <translation>die Einstellungsdatei ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is too large to be a settings file</source>
        <translation>die Datei ist zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>the file is not a valid settings file (%1)</source>
        <translation>die Datei ist keine gültige Einstellungsdatei (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid key name</source>
        <translation>%1: &quot;%2&quot; ist kein gültiger Schlüsselname</translation>
    </message>
    <message>
        <source>%1: the key &quot;%2&quot; does not exist</source>
        <translation>%1: der Schlüssel &quot;%2&quot; existiert nicht</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Die Daten für &apos;%1&apos; konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Die Daten für &apos;%1&apos; konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>%1: no key is open</source>
        <translation>%1: kein Schlüssel ist geöffnet</translation>
    </message>
    <message>
        <source>%1: the value name or text holds a line break</source>
        <translation>%1: der Wertname oder Text enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>The speech options could not be saved to %1</source>
        <translation>Die Optionen der Sprachausgabe konnten nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>At most %1 symbol folders can be stored.</source>
        <translation>Es können höchstens %1 Symbolordner gespeichert werden.</translation>
    </message>
    <message>
        <source>The symbol folder %1 can&apos;t be stored: its name holds a line break.</source>
        <translation>Der Symbolordner %1 kann nicht gespeichert werden: Sein Name enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The symbol folders could not be saved to %1</source>
        <translation>Die Symbolordner konnten nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SheetTemplates</name>
    <message>
        <source>it has no %1</source>
        <translation>das Attribut %1 fehlt</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is not a length in pt, mm, cm, in or pc</source>
        <translation>das Attribut %1 &quot;%2&quot; ist keine Länge in pt, mm, cm, in oder pc</translation>
    </message>
    <message>
        <source>its %1 of %2 is more than a metre</source>
        <translation>das Attribut %1 mit %2 ist mehr als ein Meter</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is not a whole number from 1 to %3</source>
        <translation>das Attribut %1 &quot;%2&quot; ist keine ganze Zahl von 1 bis %3</translation>
    </message>
    <message>
        <source>its paper size &quot;%1&quot; is not known</source>
        <translation>seine Papiergröße &quot;%1&quot; ist unbekannt</translation>
    </message>
    <message>
        <source>its paper has no size</source>
        <translation>sein Papier hat keine Größe</translation>
    </message>
    <message>
        <source>its labels have no size</source>
        <translation>seine Etiketten haben keine Größe</translation>
    </message>
    <message>
        <source>it has more than %1 labels on a sheet</source>
        <translation>er hat mehr als %1 Etiketten auf einem Blatt</translation>
    </message>
    <message>
        <source>CD and DVD labels are not offered</source>
        <translation>CD- und DVD-Etiketten werden nicht angeboten</translation>
    </message>
    <message>
        <source>it has no labels</source>
        <translation>er hat keine Etiketten</translation>
    </message>
    <message>
        <source>a label at %1, %2 mm runs %3 mm off the paper</source>
        <translation>ein Etikett bei %1, %2 mm ragt %3 mm über das Papier hinaus</translation>
    </message>
    <message>
        <source>The sheet %1 in %2 is left out: %3.</source>
        <translation>Der Bogen %1 in %2 wird ausgelassen: %3.</translation>
    </message>
    <message>
        <source>it has no brand or part number</source>
        <translation>er hat keine Marke oder Artikelnummer</translation>
    </message>
    <message>
        <source>the sheet %1 it is equal to is %2</source>
        <translation>der Bogen %1, dem er gleicht, ist %2</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>The sheet templates in %1 are read only up to line %2: %3.</source>
        <translation>Die Bogenvorlagen in %1 werden nur bis Zeile %2 gelesen: %3.</translation>
    </message>
    <message>
        <source>No label sheets are installed: %1 does not hold paper-sizes.xml (the package glabels-data).</source>
        <translation>Es sind keine Etikettenbögen installiert: %1 enthält keine paper-sizes.xml (das Paket glabels-data).</translation>
    </message>
    <message>
        <source>The sheet templates in %1 cannot be read: %2.</source>
        <translation>Die Bogenvorlagen in %1 können nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot use the sheet %1. %2</source>
        <translation>Der Bogen %1 kann nicht verwendet werden. %2</translation>
    </message>
    <message>
        <source>There is no sheet named %1 among the installed sheet templates (%2).</source>
        <translation>Unter den installierten Bogenvorlagen gibt es keinen Bogen namens %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound file &quot;%1&quot; can&apos;t be opened: %2</source>
        <translation>Die Tondatei &quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>No sound file is named.</source>
        <translation>Es ist keine Tondatei angegeben.</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>Unbekannter Fehlercode</translation>
    </message>
    <message>
        <source>the file describes no sound</source>
        <translation>die Datei beschreibt keinen Ton</translation>
    </message>
    <message>
        <source>the output format is not usable</source>
        <translation>das Ausgabeformat ist nicht verwendbar</translation>
    </message>
    <message>
        <source>the sound is too long (more than %1 MB of samples)</source>
        <translation>der Ton ist zu lang (mehr als %1 MB an Abtastwerten)</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; can&apos;t be spoken: %2</source>
        <translation>Das Wort &quot;%1&quot; kann nicht gesprochen werden: %2</translation>
    </message>
    <message>
        <source>the speech engine can&apos;t be loaded</source>
        <translation>die Sprachausgabe kann nicht geladen werden</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>es gibt keine Stimme &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>die Sprachausgabe ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; can&apos;t be written: %2</source>
        <translation>Die Tondatei &quot;%1&quot; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No sound input (a microphone) was found: nothing can be recorded.</source>
        <translation>Es wurde kein Toneingang (Mikrofon) gefunden: Es kann nichts aufgenommen werden.</translation>
    </message>
    <message>
        <source>The sound input &quot;%1&quot; can&apos;t be opened: nothing can be recorded.</source>
        <translation>Der Toneingang &quot;%1&quot; kann nicht geöffnet werden: Es kann nichts aufgenommen werden.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>the file was not open for writing</source>
        <translation>die Datei war nicht zum Schreiben geöffnet</translation>
    </message>
</context>
<context>
    <name>SymbolDialogs</name>
    <message>
        <source>&amp;Add folder ...</source>
        <translation>Ordner &amp;hinzufügen ...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Your own symbol folders: their SVG, PNG and JPEG files are found by their names.</source>
        <translation>Ihre eigenen Symbolordner: ihre SVG-, PNG- und JPEG-Dateien werden nach ihren Namen gefunden.</translation>
    </message>
    <message>
        <source>Cards from Words</source>
        <translation>Karten aus Wörtern</translation>
    </message>
    <message>
        <source>Symbols as &amp;line art</source>
        <translation>Symbole als &amp;Strichzeichnung</translation>
    </message>
    <message>
        <source>Words, one a line or separated by commas:</source>
        <translation>Wörter, eines pro Zeile oder durch Kommas getrennt:</translation>
    </message>
    <message>
        <source>Pictures named after a word are taken first from:</source>
        <translation>Bilder, die nach einem Wort benannt sind, zuerst aus:</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Cannot read the drawing %1: %2</source>
        <translation>Die Zeichnung %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it holds an embedded picture that cannot be read</source>
        <translation>sie enthält ein eingebettetes Bild, das nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>it holds an embedded picture that is not a PNG, JPEG, GIF, BMP or WebP picture</source>
        <translation>sie enthält ein eingebettetes Bild, das kein PNG-, JPEG-, GIF-, BMP- oder WebP-Bild ist</translation>
    </message>
    <message>
        <source>it holds an embedded picture larger than %1 x %1 pixels</source>
        <translation>sie enthält ein eingebettetes Bild, größer als %1 x %1 Pixel</translation>
    </message>
    <message>
        <source>its document type declares notations</source>
        <translation>ihr Dokumenttyp deklariert Notationen</translation>
    </message>
    <message>
        <source>its document type declares more than %1 entities</source>
        <translation>ihr Dokumenttyp deklariert mehr als %1 Entitäten</translation>
    </message>
    <message>
        <source>its document type refers to another file (%1)</source>
        <translation>ihr Dokumenttyp verweist auf eine andere Datei (%1)</translation>
    </message>
    <message>
        <source>its document type declares an entity that is too long or nested (%1)</source>
        <translation>ihr Dokumenttyp deklariert eine zu lange oder verschachtelte Entität (%1)</translation>
    </message>
    <message>
        <source>its entities expand to more than %1 characters</source>
        <translation>ihre Entitäten ergeben mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>compressed drawings (.svgz) are not read; unpack it first</source>
        <translation>komprimierte Zeichnungen (.svgz) werden nicht gelesen; bitte zuerst entpacken</translation>
    </message>
    <message>
        <source>it refers to a style sheet in another file</source>
        <translation>sie verweist auf ein Stylesheet in einer anderen Datei</translation>
    </message>
    <message>
        <source>it refers to an entity that is not declared (%1)</source>
        <translation>sie verweist auf eine nicht deklarierte Entität (%1)</translation>
    </message>
    <message>
        <source>it is not an SVG drawing</source>
        <translation>sie ist keine SVG-Zeichnung</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>ihre Elemente sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>it holds more than %1 elements</source>
        <translation>sie enthält mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>it refers to another file (%1)</source>
        <translation>sie verweist auf eine andere Datei (%1)</translation>
    </message>
    <message>
        <source>its style refers to another file</source>
        <translation>ihr Stil verweist auf eine andere Datei</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>sie ist kein wohlgeformtes XML (Zeile %1: %2)</translation>
    </message>
    <message>
        <source>it draws more than %1 elements, or its parts use each other in a loop</source>
        <translation>sie zeichnet mehr als %1 Elemente, oder ihre Teile verwenden einander im Kreis</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>sie ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>it is not an SVG drawing that can be drawn</source>
        <translation>sie ist keine SVG-Zeichnung, die gezeichnet werden kann</translation>
    </message>
    <message>
        <source>it has no usable size (a viewBox, or a width and a height)</source>
        <translation>sie hat keine brauchbare Größe (eine viewBox oder Breite und Höhe)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is not a size it can be drawn at</source>
        <translation>%1 x %2 Pixel ist keine Größe, in der sie gezeichnet werden kann</translation>
    </message>
    <message>
        <source>not enough memory for %1 x %2 pixels</source>
        <translation>nicht genug Speicher für %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>%1 (%2, line art)</source>
        <translation>%1 (%2, Strichzeichnung)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>card %1: symbol %2</source>
        <translation>Karte %1: Symbol %2</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; und %1 weitere</translation>
    </message>
    <message>
        <source>the OpenMoji symbol set is not installed</source>
        <translation>die Symbolsammlung OpenMoji ist nicht installiert</translation>
    </message>
    <message>
        <source>the installed symbol set does not hold them</source>
        <translation>die installierte Symbolsammlung enthält sie nicht</translation>
    </message>
    <message>
        <source>The deck file %1 names symbols that cannot be shown (%2): %3</source>
        <translation>Die Stapeldatei %1 nennt Symbole, die nicht angezeigt werden können (%2): %3</translation>
    </message>
    <message>
        <source>Symbols: OpenMoji (openmoji.org), licensed under CC BY-SA 4.0 (creativecommons.org/licenses/by-sa/4.0)</source>
        <translation>Symbole: OpenMoji (openmoji.org), lizenziert unter CC BY-SA 4.0 (creativecommons.org/licenses/by-sa/4.0)</translation>
    </message>
    <message>
        <source>The symbol index %1 can&apos;t be read: %2.</source>
        <translation>Der Symbolindex %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation>er endet zu früh</translation>
    </message>
    <message>
        <source>it counts more records than it holds</source>
        <translation>er zählt mehr Einträge, als er enthält</translation>
    </message>
    <message>
        <source>a text lies outside the file&apos;s texts</source>
        <translation>ein Text liegt außerhalb der Texte der Datei</translation>
    </message>
    <message>
        <source>No symbol set is loaded.</source>
        <translation>Es ist kein Symbolsatz geladen.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>er ist zu groß</translation>
    </message>
    <message>
        <source>it is no symbol index</source>
        <translation>er ist kein Symbolindex</translation>
    </message>
    <message>
        <source>it was written for another version of the program</source>
        <translation>er wurde für eine andere Version des Programms geschrieben</translation>
    </message>
    <message>
        <source>its size is not the size it was written with</source>
        <translation>seine Größe ist nicht die, mit der er geschrieben wurde</translation>
    </message>
    <message>
        <source>it holds no symbols</source>
        <translation>er enthält keine Symbole</translation>
    </message>
    <message>
        <source>a symbol folds under one that isn&apos;t there</source>
        <translation>ein Symbol gehört zu einem, das es nicht gibt</translation>
    </message>
    <message>
        <source>a symbol folds under a variant</source>
        <translation>ein Symbol gehört zu einer Variante</translation>
    </message>
    <message>
        <source>it holds no language</source>
        <translation>er enthält keine Sprache</translation>
    </message>
    <message>
        <source>a language is unnamed or named twice</source>
        <translation>eine Sprache ist unbenannt oder doppelt benannt</translation>
    </message>
    <message>
        <source>a symbol&apos;s keywords lie outside the keywords</source>
        <translation>die Schlagwörter eines Symbols liegen außerhalb der Schlagwörter</translation>
    </message>
    <message>
        <source>a term names no symbol of its own</source>
        <translation>ein Suchbegriff nennt kein eigenständiges Symbol</translation>
    </message>
    <message>
        <source>its terms are out of order</source>
        <translation>seine Suchbegriffe sind nicht geordnet</translation>
    </message>
    <message>
        <source>its first language is not English</source>
        <translation>seine erste Sprache ist nicht Englisch</translation>
    </message>
    <message>
        <source>there is more after its end</source>
        <translation>nach seinem Ende folgt noch mehr</translation>
    </message>
    <message>
        <source>The OpenMoji symbols are not installed: there is no symbols folder beside the program (%1) nor in %2.</source>
        <translation>Die OpenMoji-Symbole sind nicht installiert: Es gibt keinen Ordner symbols neben dem Programm (%1) und keinen in %2.</translation>
    </message>
    <message>
        <source>no symbol found for &quot;%1&quot;</source>
        <translation>kein Symbol für &quot;%1&quot; gefunden</translation>
    </message>
    <message>
        <source>a symbol&apos;s hexcode is malformed or given twice</source>
        <translation>der Hexcode eines Symbols ist fehlerhaft oder doppelt</translation>
    </message>
    <message>
        <source>The symbol cannot be shown: it is not installed</source>
        <translation>Das Symbol kann nicht gezeigt werden: es ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>TdlgSpeech</name>
    <message>
        <source>Deck Properties</source>
        <translation>Stapeleigenschaften</translation>
    </message>
    <message>
        <source>The program&apos;s language</source>
        <translation>Die Sprache des Programms</translation>
    </message>
    <message>
        <source>Words without a recording are spoken in this language, unless Options &gt; Speech names a voice.
A word in another script is spoken in a voice that reads it.</source>
        <translation>Wörter ohne Aufnahme werden in dieser Sprache gesprochen, sofern Optionen &gt; Sprachausgabe keine Stimme nennt.
Ein Wort in einer anderen Schrift spricht eine Stimme, die diese Schrift liest.</translation>
    </message>
    <message>
        <source>&amp;Language of the words:</source>
        <translation>&amp;Sprache der Wörter:</translation>
    </message>
</context>
<context>
    <name>WordCards</name>
    <message>
        <source>Cannot read the words of %1: it is not UTF-8 text</source>
        <translation>Die Wörter aus %1 können nicht gelesen werden: es ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>Cannot read the words of %1: it holds no words</source>
        <translation>Die Wörter aus %1 können nicht gelesen werden: sie enthält keine Wörter</translation>
    </message>
    <message>
        <source>Cannot look for pictures in %1: it is not a folder</source>
        <translation>In %1 kann nicht nach Bildern gesucht werden: es ist kein Ordner</translation>
    </message>
    <message>
        <source>No picture or symbol found for %1</source>
        <translation>Kein Bild und kein Symbol gefunden für %1</translation>
    </message>
</context>
<context>
    <name>ferlo::ActivityDialog</name>
    <message>
        <source>Make Activity</source>
        <translation>Spiel erstellen</translation>
    </message>
    <message>
        <source>Memory pairs</source>
        <translation>Memory-Paare</translation>
    </message>
    <message>
        <source>Picture and word</source>
        <translation>Bild und Wort</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Bingo</source>
        <translation>Bingo</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spiel:</translation>
    </message>
    <message>
        <source>&amp;Boards:</source>
        <translation>Spiel&amp;pläne:</translation>
    </message>
    <message>
        <source>Columns × rows:</source>
        <translation>Spalten × Zeilen:</translation>
    </message>
    <message>
        <source>&amp;Free centre</source>
        <translation>&amp;Freie Mitte</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>P&amp;apier:</translation>
    </message>
    <message>
        <source>No backs</source>
        <translation>Keine Rückseiten</translation>
    </message>
    <message>
        <source>Plain pattern</source>
        <translation>Einfaches Muster</translation>
    </message>
    <message>
        <source>Back picture</source>
        <translation>Rückseitenbild</translation>
    </message>
    <message>
        <source>Card bac&amp;ks:</source>
        <translation>&amp;Rückseiten:</translation>
    </message>
    <message>
        <source>Choose ...</source>
        <translation>Wählen ...</translation>
    </message>
    <message>
        <source>Back picture:</source>
        <translation>Rückseitenbild:</translation>
    </message>
    <message>
        <source>Click a picture to hear its word.</source>
        <translation>Ein Bild anklicken, um sein Wort zu hören.</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Drucken ...</translation>
    </message>
    <message>
        <source>Pre&amp;view ...</source>
        <translation>&amp;Vorschau ...</translation>
    </message>
    <message>
        <source>&amp;Export PDF ...</source>
        <translation>PDF &amp;exportieren ...</translation>
    </message>
    <message>
        <source>&amp;Add to Deck</source>
        <translation>Zum Stapel &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Save as &amp;Deck ...</source>
        <translation>Als &amp;Stapel speichern ...</translation>
    </message>
    <message>
        <source>Choose the back picture.</source>
        <translation>Das Rückseitenbild wählen.</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Seiten: %1</translation>
    </message>
</context>
<context>
    <name>ferlo::CardStrip</name>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
</context>
<context>
    <name>ferlo::DirectoryListBox</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden: Zugriff verweigert.</translation>
    </message>
</context>
<context>
    <name>ferlo::HelpWindow</name>
    <message>
        <source>The user&apos;s guide %1 is missing: Ferlo is not installed whole.</source>
        <translation>Das Benutzerhandbuch %1 fehlt: Ferlo ist nicht vollständig installiert.</translation>
    </message>
    <message>
        <source>The desktop could not open the guide (%1), so it is shown here.</source>
        <translation>Der Desktop konnte das Handbuch nicht öffnen (%1), deshalb wird es hier gezeigt.</translation>
    </message>
    <message>
        <source>no program that opens files was found</source>
        <translation>es wurde kein Programm gefunden, das Dateien öffnet</translation>
    </message>
    <message>
        <source>%1 stopped</source>
        <translation>%1 wurde abgebrochen</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 endete mit Status %2</translation>
    </message>
    <message>
        <source>Ferlo Help</source>
        <extracomment>The title of the window that shows the user&apos;s guide.</extracomment>
        <translation>Ferlo-Hilfe</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ferlo::LabelEditor</name>
    <message>
        <source>Label word of picture %1</source>
        <translation>Wort von Bild %1</translation>
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
        <translation>rund </translation>
    </message>
    <message>
        <source>elliptic </source>
        <translation>elliptisch </translation>
    </message>
    <message>
        <source>%1 — %2 (%3%4 × %5 mm, %6 per sheet)</source>
        <extracomment>A sheet in the list: its name, description, labels&apos; shape and size, labels per sheet.</extracomment>
        <translation>%1 — %2 (%3%4 × %5 mm, %6 pro Bogen)</translation>
    </message>
    <message>
        <source>Change Layout of All Cards</source>
        <translation>Layout aller Karten ändern</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>&amp;Pictures per page</source>
        <translation>&amp;Bilder pro Seite</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>P&amp;resets</source>
        <translation>&amp;Vorlagen</translation>
    </message>
    <message>
        <source>&amp;Sheets</source>
        <translation>Bö&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Fill: crop pictures to fill their cards</source>
        <translation>&amp;Füllen: Bilder auf ihre Karten zuschneiden</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Anschnitt:</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>&amp;Umrisse</translation>
    </message>
    <message>
        <source>Pictures &amp;per page:</source>
        <translation>Bilder &amp;pro Seite:</translation>
    </message>
    <message>
        <source>Por&amp;trait</source>
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>The card fills the page, as the toolbar&apos;s buttons lay it out.</source>
        <translation>Die Karte füllt die Seite, wie die Schaltflächen der Symbolleiste sie anordnen.</translation>
    </message>
    <message>
        <source>&amp;Columns × rows:</source>
        <translation>&amp;Spalten × Zeilen:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
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
        <source>P&amp;aper:</source>
        <translation>Pa&amp;pier:</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Papiergröße:</translation>
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
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>Cards of this si&amp;ze, centred:</source>
        <translation>Karten dieser Größe, &amp;zentriert:</translation>
    </message>
    <message>
        <source>across,</source>
        <translation>waagerecht,</translation>
    </message>
    <message>
        <source>down</source>
        <translation>senkrecht</translation>
    </message>
    <message>
        <source>Gaps:</source>
        <translation>Abstände:</translation>
    </message>
    <message>
        <source>The page &amp;divided evenly, margins:</source>
        <translation>&amp;Die Seite gleichmäßig geteilt, Ränder:</translation>
    </message>
    <message>
        <source>Brand, part number or description</source>
        <translation>Marke, Artikelnummer oder Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>Su&amp;chen:</translation>
    </message>
    <message>
        <source>No installed sheet matches &quot;%1&quot;.</source>
        <translation>Kein installierter Bogen passt zu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 Bögen</translation>
    </message>
    <message>
        <source>Choose a preset.</source>
        <translation>Wählen Sie eine Vorlage.</translation>
    </message>
    <message>
        <source>Choose a sheet.</source>
        <translation>Wählen Sie einen Bogen.</translation>
    </message>
    <message>
        <source>The deck&apos;s %1 in order, with their words: %2.</source>
        <translation>Der Reihe nach, mit ihren Wörtern: %1 des Stapels auf %2.</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 Bilder</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>%1 per page, as the toolbar lays it out</source>
        <translation>%1 pro Seite, wie die Symbolleiste sie anordnet</translation>
    </message>
</context>
<context>
    <name>ferlo::LayoutPanel</name>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Picture %1: %2</source>
        <translation>Bild %1: %2</translation>
    </message>
    <message>
        <source>Picture %1 that cannot be shown: %2</source>
        <translation>Bild %1, nicht anzeigbar: %2</translation>
    </message>
</context>
<context>
    <name>ferlo::SymbolBrowser</name>
    <message>
        <source>Pictures of your own symbol folders (Options) are found all the same.</source>
        <translation>Bilder Ihrer eigenen Symbolordner (Optionen) werden trotzdem gefunden.</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Symbole suchen</translation>
    </message>
    <message>
        <source>Line art</source>
        <translation>Strichzeichnung</translation>
    </message>
    <message>
        <source>Symbols found</source>
        <translation>Gefundene Symbole</translation>
    </message>
</context>
<context>
    <name>ferlo::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Ferlo developers</source>
        <translation>Copyright © 2026 die Ferlo-Entwickler</translation>
    </message>
    <message>
        <source>Flash cards</source>
        <translation>Lernkarten</translation>
    </message>
    <message>
        <source>Pictures on a card, a word under each, cut lines between them: print the page and cut it into cards.</source>
        <translation>Bilder auf einer Karte, unter jedem ein Wort, Schnittlinien dazwischen: Seite drucken und in Karten schneiden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Symbols: OpenMoji (CC BY-SA 4.0), names: Unicode CLDR</source>
        <translation>Symbole: OpenMoji (CC BY-SA 4.0), Namen: Unicode CLDR</translation>
    </message>
</context>
<context>
    <name>ferlo::TFerloMainForm</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
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
        <source>Move card ear&amp;lier</source>
        <translation>Karte nach v&amp;orn</translation>
    </message>
    <message>
        <source>Move card la&amp;ter</source>
        <translation>Karte nach &amp;hinten</translation>
    </message>
    <message>
        <source>Change Layout of &amp;All Cards ...</source>
        <translation>Layout aller Karten än&amp;dern ...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Card &amp;Strip</source>
        <translation>&amp;Kartenleiste</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>Bild verschieben</translation>
    </message>
    <message>
        <source>Card %1 holds that picture already</source>
        <translation>Karte %1 enthält dieses Bild schon</translation>
    </message>
    <message>
        <source>Card %1 is full</source>
        <translation>Karte %1 ist voll</translation>
    </message>
    <message>
        <source>Moved to card %1</source>
        <translation>Auf Karte %1 verschoben</translation>
    </message>
    <message>
        <source>Change layout of all cards</source>
        <translation>Layout aller Karten ändern</translation>
    </message>
    <message>
        <source>Open deck</source>
        <translation>Stapel öffnen</translation>
    </message>
    <message>
        <source>Ferlo decks (%1)</source>
        <translation>Ferlo-Stapel (%1)</translation>
    </message>
    <message>
        <source>Save deck</source>
        <translation>Stapel speichern</translation>
    </message>
    <message>
        <source>Save activity as deck</source>
        <translation>Aktivität als Stapel speichern</translation>
    </message>
    <message>
        <source>activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Untitled deck</source>
        <translation>Unbenannter Stapel</translation>
    </message>
    <message>
        <source>%1[*] - Ferlo</source>
        <extracomment>The window&apos;s title: the deck&apos;s name, the mark of unsaved changes, the program&apos;s name.</extracomment>
        <translation>%1[*] - Ferlo</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
    <message>
        <source>This application requires a screen resolution of 800x600 or higher.</source>
        <translation>Dieses Programm benötigt eine Bildschirmauflösung von 800x600 oder mehr.</translation>
    </message>
    <message>
        <source>Select A Picture</source>
        <translation>Ein Bild auswählen</translation>
    </message>
    <message>
        <source>Select up to %1 Pictures</source>
        <translation>Bis zu %1 Bilder wählen</translation>
    </message>
    <message>
        <source>%1: the picture is damaged and shows only in part</source>
        <translation>%1: Das Bild ist beschädigt und zeigt sich nur teilweise</translation>
    </message>
    <message>
        <source>These pictures are damaged and show only in part: %1</source>
        <translation>Diese Bilder sind beschädigt und zeigen sich nur teilweise: %1</translation>
    </message>
    <message>
        <source>Picture %1 that cannot be shown: %2</source>
        <translation>Bild %1, nicht anzeigbar: %2</translation>
    </message>
    <message>
        <source>Picture %1: %2</source>
        <translation>Bild %1: %2</translation>
    </message>
    <message>
        <source>Turn Cutlines On</source>
        <translation>Schnittlinien einschalten</translation>
    </message>
    <message>
        <source>Turn Cutlines Off</source>
        <translation>Schnittlinien ausschalten</translation>
    </message>
    <message>
        <source>This file was not found: %1</source>
        <translation>Diese Datei wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <source>These files were not found: %1</source>
        <translation>Diese Dateien wurden nicht gefunden: %1</translation>
    </message>
    <message>
        <source>This file is not a picture: %1</source>
        <translation>Diese Datei ist kein Bild: %1</translation>
    </message>
    <message>
        <source>These files are not pictures: %1</source>
        <translation>Diese Dateien sind keine Bilder: %1</translation>
    </message>
    <message>
        <source>One deck opens at a time; not opened: %1</source>
        <translation>Es öffnet sich nur ein Stapel auf einmal; nicht geöffnet: %1</translation>
    </message>
    <message>
        <source>Ferlo</source>
        <extracomment>The program&apos;s name, the window&apos;s title before a deck is shown.</extracomment>
        <translation>Ferlo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New deck</source>
        <translation>&amp;Neuer Stapel</translation>
    </message>
    <message>
        <source>&amp;Open deck ...</source>
        <translation>Stapel ö&amp;ffnen ...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>Print se&amp;tup ...</source>
        <translation>Druckeinrich&amp;tung ...</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Drucken ...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view ...</source>
        <translation>Druck&amp;vorschau ...</translation>
    </message>
    <message>
        <source>&amp;Export PDF ...</source>
        <translation>PDF &amp;exportieren ...</translation>
    </message>
    <message>
        <source>&amp;Double-Sided Printing ...</source>
        <translation>Beidseiti&amp;ger Druck ...</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet ...</source>
        <translation>&amp;Kalibrierblatt drucken ...</translation>
    </message>
    <message>
        <source>e&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>&amp;Previous card</source>
        <translation>&amp;Vorherige Karte</translation>
    </message>
    <message>
        <source>Previous card</source>
        <translation>Vorherige Karte</translation>
    </message>
    <message>
        <source>&amp;Next card</source>
        <translation>&amp;Nächste Karte</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Nächste Karte</translation>
    </message>
    <message>
        <source>N&amp;ew card</source>
        <translation>Neue &amp;Karte</translation>
    </message>
    <message>
        <source>New card after this one</source>
        <translation>Neue Karte nach dieser</translation>
    </message>
    <message>
        <source>&amp;Remove card</source>
        <translation>Karte &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove this card from the deck</source>
        <translation>Diese Karte aus dem Stapel entfernen</translation>
    </message>
    <message>
        <source>&amp;Layout ...</source>
        <translation>&amp;Layout ...</translation>
    </message>
    <message>
        <source>Re&amp;cord</source>
        <translation>&amp;Aufnehmen</translation>
    </message>
    <message>
        <source>Record: then click the picture whose word to record</source>
        <translation>Aufnehmen: Klicken Sie dann auf das Bild, dessen Wort aufgenommen werden soll</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Optionen ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help ...</source>
        <translation>&amp;Hilfe ...</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>Ü&amp;ber ...</translation>
    </message>
    <message>
        <source>Clear all pictures</source>
        <translation>Alle Bilder von der Karte nehmen</translation>
    </message>
    <message>
        <source>Edit label</source>
        <translation>Wort bearbeiten</translation>
    </message>
    <message>
        <source>1 Image Per Page</source>
        <translation>1 Bild pro Seite</translation>
    </message>
    <message>
        <source>%1 Images Per Page</source>
        <translation>%1 Bilder pro Seite</translation>
    </message>
    <message>
        <source>Portrait Orientation</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape Orientation</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Cut Lines</source>
        <translation>Schnittlinien</translation>
    </message>
    <message>
        <source>&amp;Labels Off</source>
        <translation>&amp;Wörter aus</translation>
    </message>
    <message>
        <source>Uppercase Labels</source>
        <translation>Wörter in Großbuchstaben</translation>
    </message>
    <message>
        <source>Lowercase Labels</source>
        <translation>Wörter in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button (verb): takes all pictures off the card.</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Print Flashcard</source>
        <translation>Lernkarte drucken</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Card area</source>
        <translation>Kartenbereich</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Cannot keep the label word of card %1, cell %2: %3.</source>
        <translation>Das Wort von Karte %1, Platz %2 kann nicht behalten werden: %3.</translation>
    </message>
    <message>
        <source>Turn Labels Off</source>
        <translation>Wörter ausschalten</translation>
    </message>
    <message>
        <source>Turn Labels on</source>
        <translation>Wörter einschalten</translation>
    </message>
    <message>
        <source>&amp;Labels On</source>
        <translation>&amp;Wörter an</translation>
    </message>
    <message>
        <source>Layout %1</source>
        <extracomment>A step of the undo history: the layout&apos;s name, or a grid&apos;s size.</extracomment>
        <translation>Layout %1</translation>
    </message>
    <message>
        <source>%1 × %2 grid</source>
        <translation>Raster %1 × %2</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>The deck %1 uses sheets that are not installed. Their cards keep their pictures and are saved as they are, but cannot be shown or printed here.
%2</source>
        <translation>Der Stapel %1 verwendet Bögen, die nicht installiert sind. Ihre Karten behalten ihre Bilder und werden unverändert gespeichert, können hier aber nicht angezeigt oder gedruckt werden.
%2</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Aufnahmepegel</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Recording &quot;%1&quot;</source>
        <translation>Aufnahme &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Nothing was heard: the word &quot;%1&quot; was not recorded.</source>
        <translation>Es war nichts zu hören: Das Wort &quot;%1&quot; wurde nicht aufgenommen.</translation>
    </message>
    <message>
        <source>The folder %1 can&apos;t be written, and the deck has no folder yet: save the deck, then record again.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden, und der Stapel hat noch keinen Ordner: Speichern Sie den Stapel, und nehmen Sie dann erneut auf.</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of a question while a word&apos;s recording is saved.</extracomment>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>The folder %1 can&apos;t be written. Save the recording beside the deck instead?</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden. Die Aufnahme stattdessen neben dem Stapel speichern?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>&amp;Record word</source>
        <translation>Wort auf&amp;nehmen</translation>
    </message>
    <message>
        <source>&amp;Edit word</source>
        <translation>Wort &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>Von der &amp;Karte nehmen</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>In %1 geschrieben</translation>
    </message>
    <message>
        <source>Cancelled: %1 was not written</source>
        <translation>Abgebrochen: %1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>Sent to the printer %1</source>
        <translation>An den Drucker %1 gesendet</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>Drucken abgebrochen</translation>
    </message>
    <message>
        <source>Deck P&amp;roperties ...</source>
        <translation>Stapel&amp;eigenschaften ...</translation>
    </message>
    <message>
        <source>Pictures that did not fit on the new layout: %1 (Undo brings them back)</source>
        <translation>Bilder, die nicht in die neue Anordnung passten: %1 (Rückgängig holt sie zurück)</translation>
    </message>
    <message>
        <source>Recorded &quot;%1&quot; in %2</source>
        <translation>„%1“ in %2 aufgenommen</translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be removed: %2</source>
        <translation>Die Wiederherstellungskopie %1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>A symbol&apos;s word is kept beside the deck: save the deck, then record.</source>
        <translation>Das Wort eines Symbols wird neben dem Stapel gespeichert: Speichern Sie den Stapel, und nehmen Sie dann auf.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Cards from &amp;Words ...</source>
        <translation>Karten aus &amp;Wörtern ...</translation>
    </message>
    <message>
        <source>Cards from Words</source>
        <translation>Karten aus Wörtern</translation>
    </message>
    <message>
        <source>Add activity</source>
        <translation>Spiel hinzufügen</translation>
    </message>
    <message>
        <source>Make &amp;Activity ...</source>
        <translation>&amp;Spiel erstellen ...</translation>
    </message>
</context>
<context>
    <name>ferlo::TdlgOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Print as DIB</source>
        <translation>Als DIB drucken</translation>
    </message>
    <message>
        <source>Print image as original format</source>
        <translation>Bild im Originalformat drucken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Spee&amp;ch ...</source>
        <translation>&amp;Stimme ...</translation>
    </message>
    <message>
        <source>&amp;Reopen the last deck on start</source>
        <translation>&amp;Letzten Stapel beim Start öffnen</translation>
    </message>
    <message>
        <source>Sym&amp;bols ...</source>
        <translation>S&amp;ymbole ...</translation>
    </message>
</context>
<context>
    <name>ferlo::TdlgSpeech</name>
    <message>
        <source>Speech</source>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <source>&amp;Speak words that have no recording</source>
        <translation>&amp;Wörter ohne Aufnahme sprechen</translation>
    </message>
    <message>
        <source> words per minute</source>
        <translation> Wörter pro Minute</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Stimme:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>The deck&apos;s or the program&apos;s language</source>
        <translation>Die Sprache des Stapels oder des Programms</translation>
    </message>
</context>
</TS>
