<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Activities</name>
    <message>
        <source>The deck has %1 different pictures, but a %2 × %3 board needs %4.</source>
        <translation>Le paquet a %1 images différentes, mais une grille de %2 × %3 en demande %4.</translation>
    </message>
    <message>
        <source>The deck&apos;s %1 pictures make only %2 different boards of %3 pictures: ask for fewer boards or add pictures.</source>
        <translation>Les %1 images du paquet ne donnent que %2 grilles différentes de %3 images : demandez moins de grilles ou ajoutez des images.</translation>
    </message>
    <message>
        <source>A game has 1 to %1 boards, not %2.</source>
        <translation>Un jeu a de 1 à %1 grilles, pas %2.</translation>
    </message>
    <message>
        <source>A bingo board is 3 × 3, 4 × 4 or 5 × 5, not %1 × %2.</source>
        <translation>Une grille de bingo fait 3 × 3, 4 × 4 ou 5 × 5, pas %1 × %2.</translation>
    </message>
    <message>
        <source>A lotto board has 1 to %3 columns and rows and at least 2 cards, not %1 × %2.</source>
        <translation>Une planche de loto a de 1 à %3 colonnes et lignes et au moins 2 cartes, pas %1 × %2.</translation>
    </message>
    <message>
        <source>A %1 × %2 board has no centre cell to leave free.</source>
        <translation>Une grille de %1 × %2 n’a pas de case centrale à laisser libre.</translation>
    </message>
    <message>
        <source>There are no pictures to make a game of.</source>
        <translation>Il n’y a pas d’images pour en faire un jeu.</translation>
    </message>
    <message>
        <source>Board %1 (game %2)</source>
        <translation>Grille %1 (jeu %2)</translation>
    </message>
    <message>
        <source>Caller&apos;s sheet (game %1)</source>
        <translation>Feuille de l’annonceur (jeu %1)</translation>
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
        <translation>VERSO. Tenez la feuille à la lumière, ce côté vers vous.
Là où le trait du recto croise la règle du haut, c&apos;est X&#xa0;; là où il croise la règle de gauche, c&apos;est Y.
Saisissez X et Y comme décalage du verso (Fichier &gt; Impression recto verso).</translation>
    </message>
    <message>
        <source>FRONT of the calibration sheet.
Print it double-sided, as you print cards with word backs, then turn it over.</source>
        <translation>RECTO de la feuille d&apos;étalonnage.
Imprimez-la en recto verso, comme vous imprimez les cartes avec les mots au verso, puis retournez-la.</translation>
    </message>
</context>
<context>
    <name>CardLayout</name>
    <message>
        <source>%1 landscape</source>
        <translation>%1 paysage</translation>
    </message>
    <message>
        <source>%1 portrait</source>
        <translation>%1 portrait</translation>
    </message>
    <message>
        <source>%1 × %2 mm paper landscape</source>
        <translation>papier %1 × %2 mm paysage</translation>
    </message>
    <message>
        <source>%1 × %2 mm paper portrait</source>
        <translation>papier %1 × %2 mm portrait</translation>
    </message>
    <message>
        <source>A grid has 1 to 10 columns and 1 to 10 rows, not %1 × %2.</source>
        <translation>Une grille a de 1 à 10 colonnes et de 1 à 10 lignes, pas %1 × %2.</translation>
    </message>
    <message>
        <source>The paper must be more than 0 and at most 1000 mm on either side, not %1 × %2 mm.</source>
        <translation>Le papier doit mesurer plus de 0 et au plus 1000 mm de chaque côté, pas %1 × %2 mm.</translation>
    </message>
    <message>
        <source>A card needs a width and a height above 0 and gaps of 0 or more.</source>
        <translation>Une carte doit avoir une largeur et une hauteur supérieures à 0 et des espaces de 0 ou plus.</translation>
    </message>
    <message>
        <source>%1 × %2 cards of %3 × %4 mm with their gaps need %5 × %6 mm, more than the %7 × %8 mm that can be printed on %9.</source>
        <translation>%1 × %2 cartes de %3 × %4 mm avec leurs espaces demandent %5 × %6 mm, plus que les %7 × %8 mm imprimables sur %9.</translation>
    </message>
    <message>
        <source>A margin of %1 mm leaves no room on %2.</source>
        <translation>Une marge de %1 mm ne laisse aucune place sur %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the option --%1 needs a value</source>
        <translation>l&apos;option --%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1 (see ferlo --help)</source>
        <translation>option inconnue %1 (voir ferlo --help)</translation>
    </message>
    <message>
        <source>the option --%1 takes no value</source>
        <translation>l&apos;option --%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>bad page size &quot;%1&quot;: use A4, Letter, A5 or Legal</source>
        <translation>format de page incorrect «&#xa0;%1&#xa0;»&#xa0;: utilisez A4, Letter, A5 ou Legal</translation>
    </message>
    <message>
        <source>bad --back-offset &quot;%1&quot;: use X,Y in millimetres, each from -10 to 10 (e.g. 1.5,-2)</source>
        <translation>--back-offset incorrect «&#xa0;%1&#xa0;»&#xa0;: utilisez X,Y en millimètres, chacun de -10 à 10 (par ex. 1.5,-2)</translation>
    </message>
    <message>
        <source>the option --print-to needs a file name</source>
        <translation>l&apos;option --print-to demande un nom de fichier</translation>
    </message>
    <message>
        <source>bad number of pictures per page &quot;%1&quot;: use 1, 2, 4, 6 or 8</source>
        <translation>nombre d&apos;images par page incorrect «&#xa0;%1&#xa0;»&#xa0;: utilisez 1, 2, 4, 6 ou 8</translation>
    </message>
    <message>
        <source>bad --flip &quot;%1&quot;: use long or short</source>
        <translation>--flip incorrect «&#xa0;%1&#xa0;»&#xa0;: utilisez long ou short</translation>
    </message>
    <message>
        <source>bad resolution &quot;%1&quot;: use 72 to 1200 dots per inch</source>
        <translation>résolution incorrecte «&#xa0;%1&#xa0;»&#xa0;: utilisez de 72 à 1200 points par pouce</translation>
    </message>
    <message>
        <source>no output file: give --print-to OUT.pdf</source>
        <translation>pas de fichier de sortie&#xa0;: indiquez --print-to OUT.pdf</translation>
    </message>
    <message>
        <source>no pictures to print</source>
        <translation>aucune image à imprimer</translation>
    </message>
    <message>
        <source>cannot load the picture %1: %2</source>
        <translation>impossible de charger l&apos;image %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Nothing to print: the deck files hold no cards</source>
        <translation>Rien à imprimer&#xa0;: les fichiers de paquet ne contiennent aucune carte</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --print-to</source>
        <translation>l&apos;option --%1 ne s&apos;applique qu&apos;avec --print-to</translation>
    </message>
    <message>
        <source>ferlo: %1: the picture is damaged and shows only in part</source>
        <translation>ferlo: %1&#xa0;: l&apos;image est abîmée et ne s&apos;affiche qu&apos;en partie</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2: %3</source>
        <translation>valeur incorrecte «&#xa0;%1&#xa0;» pour --%2&#xa0;: %3</translation>
    </message>
    <message>
        <source>give a brand and part number, such as &quot;Avery 5371&quot; (see --list-sheets)</source>
        <translation>indiquez une marque et une référence, comme «&#xa0;Avery 5371&#xa0;» (voir --list-sheets)</translation>
    </message>
    <message>
        <source>use COLUMNSxROWS, each 1 to 10, such as 4x5</source>
        <translation>utilisez COLONNESxLIGNES, chacun de 1 à 10, comme 4x5</translation>
    </message>
    <message>
        <source>use WIDTHxHEIGHT with a unit mm, cm, in or pt, such as 2inx2in or 85x55mm</source>
        <translation>utilisez LARGEURxHAUTEUR avec une unité mm, cm, in ou pt, comme 2inx2in ou 85x55mm</translation>
    </message>
    <message>
        <source>use a length with a unit such as 3mm or 0.125in, or ACROSSxDOWN such as 3x5mm</source>
        <translation>utilisez une longueur avec une unité, comme 3mm ou 0.125in, ou HORIZONTALxVERTICAL, comme 3x5mm</translation>
    </message>
    <message>
        <source>use A4, A5, A3, Letter, Legal, or WIDTHxHEIGHT with a unit, such as 100x150mm or 4inx6in</source>
        <translation>utilisez A4, A5, A3, Letter, Legal, ou LARGEURxHAUTEUR avec une unité, comme 100x150mm ou 4inx6in</translation>
    </message>
    <message>
        <source>a paper is at most 1000 mm on either side</source>
        <translation>un papier mesure au plus 1000 mm de chaque côté</translation>
    </message>
    <message>
        <source>use 0 to 6 mm with a unit, such as 3mm</source>
        <translation>utilisez de 0 à 6 mm avec une unité, comme 3mm</translation>
    </message>
    <message>
        <source>the option --%1 needs %2</source>
        <translation>l&apos;option --%1 demande %2</translation>
    </message>
    <message>
        <source>--grid or --sheet</source>
        <translation>--grid ou --sheet</translation>
    </message>
    <message>
        <source>give either --grid or --sheet, not both</source>
        <translation>indiquez --grid ou --sheet, pas les deux</translation>
    </message>
    <message>
        <source>--grid (a sheet has its own paper and labels)</source>
        <translation>--grid (une planche a son propre papier et ses propres étiquettes)</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --sheet: %2</source>
        <translation>valeur incorrecte «&#xa0;%1&#xa0;» pour --sheet&#xa0;: %2</translation>
    </message>
    <message>
        <source>--card-size (without it the page is divided evenly)</source>
        <translation>--card-size (sans elle, la page est divisée en parts égales)</translation>
    </message>
    <message>
        <source>the grid does not fit: %1</source>
        <translation>la grille ne tient pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>round </source>
        <translation>rondes, </translation>
    </message>
    <message>
        <source>ellipse </source>
        <translation>elliptiques, </translation>
    </message>
    <message>
        <source>%1	%2	%3	%4%5 x %6 mm	%7 per sheet</source>
        <translation>%1	%2	%3	%4%5 x %6 mm	%7 par planche</translation>
    </message>
    <message>
        <source>No installed sheet matches &quot;%1&quot;.</source>
        <translation>Aucune planche installée ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>ferlo: the speech engine or its voices are not installed (espeak-ng-data)</source>
        <translation>ferlo: le moteur de synthèse vocale ou ses voix ne sont pas installés (espeak-ng-data)</translation>
    </message>
    <message>
        <source>ferlo: unknown voice &quot;%1&quot;; the voices are: %2</source>
        <translation>ferlo: voix inconnue «&#xa0;%1&#xa0;»&#xa0;; les voix sont&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>the option --speak-to needs a folder name</source>
        <translation>l&apos;option --speak-to a besoin d&apos;un nom de dossier</translation>
    </message>
    <message>
        <source>bad rate &quot;%1&quot;: use %2 to %3 words per minute</source>
        <translation>débit incorrect «&#xa0;%1&#xa0;»&#xa0;: utilisez de %2 à %3 mots par minute</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --speak-to</source>
        <translation>l&apos;option --%1 ne s&apos;applique qu&apos;avec --speak-to</translation>
    </message>
    <message>
        <source>will not write over %1: it is one of the inputs; give the PDF&apos;s name after --print-to, such as --print-to cards.pdf</source>
        <translation>%1 ne sera pas écrasé&#xa0;: c&apos;est l&apos;une des entrées&#xa0;; donnez le nom du PDF après --print-to, comme --print-to cartes.pdf</translation>
    </message>
    <message>
        <source>will not write over %1: it is not a PDF; give the PDF&apos;s name after --print-to, such as --print-to cards.pdf</source>
        <translation>%1 ne sera pas écrasé&#xa0;: ce n&apos;est pas un PDF&#xa0;; donnez le nom du PDF après --print-to, comme --print-to cartes.pdf</translation>
    </message>
    <message>
        <source>give either --print-to or --speak-to, not both</source>
        <translation>donnez --print-to ou --speak-to, pas les deux</translation>
    </message>
    <message>
        <source>the option --%1 does not apply with --speak-to</source>
        <translation>l&apos;option --%1 ne s&apos;applique pas avec --speak-to</translation>
    </message>
    <message>
        <source>no words to speak: give pictures or decks after --speak-to DIR</source>
        <translation>aucun mot à dire&#xa0;: donnez des images ou des paquets après --speak-to DOSSIER</translation>
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
        <translation>Cartes à partir de mots&#xa0;:
  --words &quot;M1, M2, ...&quot;  une cellule de carte par mot ou expression (séparés par des virgules)&#xa0;:
                         une image qui porte son nom dans un dossier --pictures, sinon le
                         meilleur symbole du jeu OpenMoji installé, cherché dans la langue
                         de --lang (sinon celle du programme), puis en anglais et dans les
                         autres langues&#xa0;; l&apos;étiquette est le mot tel que saisi. Un mot qui
                         ne trouve rien est nommé, et rien n&apos;est écrit (code de sortie 1)
  --words-from FICHIER   les mots d&apos;un fichier texte UTF-8, un mot ou une expression par ligne
  --pictures DOSSIER     un dossier dont les images portent le nom de mots (dog.jpg,
                         Dog2.png pour &quot;dog&quot;)&#xa0;; peut être donné plusieurs fois
  --line-art             le dessin au trait noir des symboles au lieu de leurs couleurs
Toutes les options de mise en page s&apos;appliquent&#xa0;; sans --per-page, les mots prennent le plus
petit nombre qui les contient tous (jusqu&apos;à 8). Les cartes de mots s&apos;impriment après les
images et les paquets donnés.
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
        <translation>Usage&#xa0;: ferlo --print-to OUT.pdf [options] IMAGE|PAQUET...
        ferlo [options de carte] [IMAGE|PAQUET...]
        ferlo --speak-to DOSSIER [--voice NOM] [--rate MPM] IMAGE|PAQUET...

Écrit les images en cartes illustrées dans un fichier PDF, sans ouvrir de fenêtre. Les
images remplissent les cases d&apos;une page dans l&apos;ordre donné&#xa0;; les images qu&apos;une page ne
peut pas contenir continuent sur les pages suivantes, chaque page disposée exactement
comme Imprimer la dispose.

Sans --print-to, la fenêtre s&apos;ouvre avec les images sur une carte disposée selon les
options de carte (de --per-page à --backs, et les options de grille et de planche de
--grid à --outlines ci-dessous)&#xa0;; --flip, --back-offset, --fold-over, --page-size,
--resolution, --print-as-dib et --print-as-original ne s&apos;appliquent qu&apos;avec --print-to.

Options&#xa0;:
  --print-to OUT.pdf     le fichier PDF à écrire (obligatoire)&#xa0;; il n&apos;est remplacé
                         qu&apos;une fois le document entier écrit
  --per-page N           images par page&#xa0;: 1, 2, 4, 6 ou 8 (4 par défaut)&#xa0;; donné
                         avec un PAQUET, il l&apos;emporte sur les nombres du paquet
                         (voir plus bas)
  --portrait             pages en portrait
  --landscape            pages en paysage (par défaut)
  --labels-off           pas de mots sous les images
  --lowercase            mots en minuscules (majuscules par défaut)
  --cutlines-off         ni cadre ni lignes de coupe
  --backs                après chaque page, une page de verso avec le mot de chaque
                         image dans la case en miroir, pour l&apos;impression recto verso
                         (dans la fenêtre&#xa0;: coche Fichier &gt; Imprimer les mots au
                         verso, qui est retenu)
  --flip long|short      le bord sur lequel la feuille est retournée pour lire les
                         versos (par défaut&#xa0;: le choix du paquet, sinon le bord long
                         pour les cartes en portrait et le bord court pour celles
                         en paysage)
  --back-offset X,Y      décale chaque page de verso de X mm vers la droite et de
                         Y mm vers le bas, de -10 à 10 chacun, pour que les versos
                         tombent derrière leurs rectos
  --fold-over            au lieu des pages de verso, chaque recto et son mot sur une
                         feuille à plier au milieu (2 images par page ou plus)
  --page-size FORMAT     A4, Letter, A5 ou Legal (A4 par défaut)
  --resolution DPI       pixels du périphérique par pouce, de 72 à 1200 (600 par
                         défaut)
  --print-as-dib         dessine les images par leur forme indépendante du
                         périphérique
  --print-as-original    dessine les images telles que décodées
                         (par défaut&#xa0;: l&apos;option d&apos;impression enregistrée)
  --grid CxL             une grille de C colonnes et L lignes (de 1 à 10 chacune) à
                         la place de --per-page&#xa0;; la page est divisée en parts
                         égales, sauf avec --card-size
  --card-size LxH        les cartes de la grille à cette taille, centrées, comme
                         2inx2in ou 85x55mm (unités mm, cm, in, pt)
  --gap LONGUEUR         l&apos;espace entre les cartes de la grille, comme 3mm (ou HxVmm)
  --paper PAPIER         le papier de la grille&#xa0;: A4, A5, A3, Letter, Legal ou LxH
                         avec une unité (Letter par défaut)&#xa0;; --portrait et
                         --landscape le tournent
  --sheet &quot;MARQUE RÉF&quot;   une planche d&apos;étiquettes ou de cartes parmi les définitions
                         de planches installées (paquet logiciel glabels-data),
                         comme &quot;Avery 5371&quot;
  --fill                 rogne chaque image pour remplir sa surface (par défaut&#xa0;:
                         l&apos;image y est ajustée)
  --bleed LONGUEUR       les images rognées dépassent la coupe d&apos;autant, de 0 à 6 mm
  --outlines             un trait fin le long du bord de chaque carte
  --list-sheets [TEXTE]  liste les planches installées dont la marque, la référence
                         ou la description contient TEXTE&#xa0;: marque, référence,
                         description, taille des étiquettes et étiquettes par
                         planche
  --speak-to DOSSIER     au lieu d&apos;un PDF, écrit DOSSIER/MOT.wav pour chaque mot des
                         images et des paquets qui n&apos;a pas d&apos;enregistrement, dit par
                         le moteur de synthèse vocale&#xa0;; affiche chaque fichier écrit
  --voice NOM            avec --speak-to&#xa0;: la voix, une langue comme en-GB ou de
                         (par défaut&#xa0;: la langue du paquet, sinon celle du programme)
  --rate MPM             avec --speak-to&#xa0;: mots par minute, de 80 à 450 (par défaut
                         175)
  --list-symbols MOT     les symboles qu&apos;un mot trouve, les meilleurs d&apos;abord, dans
                         la langue de --lang : code hexadécimal, nom et mots-clés
                         (un fichier des dossiers de symboles de l&apos;utilisateur :
                         son chemin, son mot)
  --lang CODE            la langue des textes et des messages du programme, comme
                         de, es, fr ou ar (par défaut&#xa0;: FERLO_LANG, sinon celle du
                         système&#xa0;; en pour l&apos;anglais)
  --quiet                pas d&apos;avancement &quot;page n sur m&quot; sur la sortie d&apos;erreur
                         (affiché seulement quand la sortie d&apos;erreur est un
                         terminal)
  --help                 affiche ce texte
  --version              affiche le nom et la version du programme (ferlo VERSION)
  --                     ce qui suit sont des images, même si leur nom commence par
                         &apos;-&apos;

Le mot d&apos;une image est son nom de fichier sans dossier, sans extension et sans les
chiffres de la fin.

Un PAQUET est un fichier de paquet (un nom qui finit par .ferlo)&#xa0;: chacune de ses cartes
s&apos;imprime sur une page avec son propre nombre d&apos;images, son orientation, ses
interrupteurs et ses propres mots. Les entrées s&apos;impriment dans l&apos;ordre donné&#xa0;; les
images données entre des paquets remplissent leurs propres pages comme plus haut. Avec
--per-page N, le paquet est disposé de nouveau, comme le fait Carte &gt; Changer la
disposition de toutes les cartes&#xa0;: ses images dans l&apos;ordre, avec leurs mots, remplissent
des pages de N, avec les interrupteurs et l&apos;orientation de sa première carte (ou celle
que donne --portrait ou --landscape). Le fichier n&apos;est pas modifié.

Un nom après --print-to qui ne finit pas par .pdf reçoit .pdf à la fin, sauf s&apos;il s&apos;agit
déjà d&apos;un PDF. Une sortie qui est l&apos;une des entrées, ou un fichier existant qui n&apos;est pas un
PDF, est refusée, pour qu&apos;un nom oublié (--print-to *.jpg) ne remplace pas une image.

Code de sortie&#xa0;: 0 quand le PDF ou chaque mot dit a été écrit, 2 pour une ligne de commande
incorrecte ou une voix inconnue, 1 quand une image ou un paquet n&apos;a pas pu être chargé ou
qu&apos;un fichier n&apos;a pas pu être écrit (disque plein compris&#xa0;: un ancien fichier de ce nom est
alors gardé tel quel).
</translation>
    </message>
    <message>
        <source>bad --board &quot;%1&quot;: use columns x rows, such as 5x5</source>
        <translation>--board « %1 » incorrect : indiquez colonnes x lignes, comme 5x5</translation>
    </message>
    <message>
        <source>bad --activity &quot;%1&quot;: use memory, match, lotto or bingo</source>
        <translation>--activity « %1 » incorrect : indiquez memory, match, lotto ou bingo</translation>
    </message>
    <message>
        <source>bad number of boards &quot;%1&quot;: use 1 to 500</source>
        <translation>nombre de grilles « %1 » incorrect : de 1 à 500</translation>
    </message>
    <message>
        <source>bad --seed &quot;%1&quot;: use a whole number from 0 to 18446744073709551615</source>
        <translation>--seed « %1 » incorrect : indiquez un nombre entier de 0 à 18446744073709551615</translation>
    </message>
    <message>
        <source>the option --back-picture needs a file name</source>
        <translation>l’option --back-picture demande un nom de fichier</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --activity</source>
        <translation>l’option --%1 ne s’applique qu’avec --activity</translation>
    </message>
    <message>
        <source>the option --%1 does not apply to --activity %2</source>
        <translation>l’option --%1 ne s’applique pas à --activity %2</translation>
    </message>
    <message>
        <source>--fold-over, --words and --words-from do not apply with --activity</source>
        <translation>--fold-over, --words et --words-from ne s’appliquent pas avec --activity</translation>
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
        <translation>Jeux :
  --activity TYPE        un jeu fait des images données et de celles des paquets au lieu
                         de cartes : memory (chaque image deux fois), match (chaque image
                         et une carte de son mot), lotto (planches et cartes à tirer) ou
                         bingo (grilles, feuille de l’annonceur et cartes à tirer)
  --boards N             lotto et bingo : nombre de grilles, de 1 à 500 (par défaut 1)
  --board CxR            colonnes et lignes d’une grille (bingo : 3x3, 4x4 ou 5x5, par
                         défaut 5x5 ; lotto : de 1 à 6 chacune, par défaut 3x3)
  --free-centre [MOT]    bingo : la case centrale est libre et montre MOT (par défaut
                         &quot;Libre&quot;) ; --free-centre=FICHIER montre l’image FICHIER
  --seed N               lotto et bingo : les grilles sont tirées de N (un nombre
                         entier) ; le même N donne les mêmes grilles (par défaut : une
                         nouvelle valeur, imprimée avec le numéro de chaque grille)
  --back-picture FICHIER memory et match : FICHIER au verso de chaque carte (--backs
                         seul : un motif simple), placé selon --flip et --back-offset
Les grilles s’impriment sur le papier de --page-size (ou --paper) ; les cartes de memory
et match et les cartes à tirer selon la disposition de --per-page, --grid ou --sheet,
avec les options des étiquettes. Trop peu d’images pour une grille, ou pour autant de
grilles différentes que demandé : c’est dit et rien n’est écrit (code de sortie 1).
</translation>
    </message>
</context>
<context>
    <name>DeckEdit</name>
    <message>
        <source>Clear card %1</source>
        <translation>Effacer la carte %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Déplacer %1</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Placer %1</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Edit word %1</source>
        <translation>Modifier le mot %1</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Enregistrer le son de %1</translation>
    </message>
    <message>
        <source>Place %1 pictures</source>
        <translation>Placer %1 images</translation>
    </message>
    <message>
        <source>Change card %1</source>
        <translation>Modifier la carte %1</translation>
    </message>
    <message>
        <source>Change layout of card %1</source>
        <translation>Changer la disposition de la carte %1</translation>
    </message>
    <message>
        <source>1 picture per card</source>
        <translation>1 image par carte</translation>
    </message>
    <message>
        <source>%1 pictures per card</source>
        <translation>%1 images par carte</translation>
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
        <source>Labels on</source>
        <translation>Mots activés</translation>
    </message>
    <message>
        <source>Labels off</source>
        <translation>Mots désactivés</translation>
    </message>
    <message>
        <source>Uppercase labels</source>
        <translation>Mots en majuscules</translation>
    </message>
    <message>
        <source>Lowercase labels</source>
        <translation>Mots en minuscules</translation>
    </message>
    <message>
        <source>Cut lines on</source>
        <translation>Lignes de coupe activées</translation>
    </message>
    <message>
        <source>Cut lines off</source>
        <translation>Lignes de coupe désactivées</translation>
    </message>
    <message>
        <source>New card</source>
        <translation>Nouvelle carte</translation>
    </message>
    <message>
        <source>Remove card %1</source>
        <translation>Retirer la carte %1</translation>
    </message>
    <message>
        <source>Move card %1</source>
        <translation>Déplacer la carte %1</translation>
    </message>
    <message>
        <source>Move picture to card %1</source>
        <translation>Déplacer l&apos;image vers la carte %1</translation>
    </message>
    <message>
        <source>Double-sided printing</source>
        <translation>Impression recto verso</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Change cards</source>
        <translation>Modifier les cartes</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Cannot read the deck file %1: %2: %3</source>
        <translation>Impossible de lire le fichier de paquet %1&#xa0;: %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>une chaîne</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>un tableau</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>expected %1, not %2</source>
        <translation>attendu&#xa0;: %1, pas %2</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a cell needs a &quot;picture&quot; (a free cell is null)</source>
        <translation>une case doit avoir un &quot;picture&quot; (une case libre vaut null)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>a file name cannot hold a NUL character</source>
        <translation>un nom de fichier ne peut pas contenir de caractère NUL</translation>
    </message>
    <message>
        <source>1, 2, 4, 6 or 8</source>
        <translation>1, 2, 4, 6 ou 8</translation>
    </message>
    <message>
        <source>%1, the grid&apos;s cards</source>
        <translation>%1, les cartes de la grille</translation>
    </message>
    <message>
        <source>1 to %1</source>
        <translation>de 1 à %1</translation>
    </message>
    <message>
        <source>a sheet&apos;s card needs its number of labels</source>
        <translation>une carte de planche doit indiquer son nombre d&apos;étiquettes</translation>
    </message>
    <message>
        <source>expected &quot;portrait&quot; or &quot;landscape&quot;</source>
        <translation>attendu&#xa0;: &quot;portrait&quot; ou &quot;landscape&quot;</translation>
    </message>
    <message>
        <source>%1 cells, more than the card&apos;s count of %2</source>
        <translation>%1 cases, plus que les %2 de la carte</translation>
    </message>
    <message>
        <source>an object or null</source>
        <translation>un objet ou null</translation>
    </message>
    <message>
        <source>expected %1, not &quot;%2&quot;</source>
        <translation>attendu&#xa0;: %1, pas &quot;%2&quot;</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;: this is not a deck</source>
        <translation>attendu&#xa0;: &quot;%1&quot;&#xa0;; ce n&apos;est pas un paquet</translation>
    </message>
    <message>
        <source>a version number</source>
        <translation>un numéro de version</translation>
    </message>
    <message>
        <source>version %1 is newer than this program reads (%2)</source>
        <translation>la version %1 est plus récente que celle que ce programme lit (%2)</translation>
    </message>
    <message>
        <source>the word is %1 characters long; a label word holds at most %2 characters</source>
        <translation>le mot a %1 caractères&#xa0;; un mot a au plus %2 caractères</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: the file is larger than 16 MB, more than any deck holds</source>
        <translation>Impossible de lire le fichier de paquet %1&#xa0;: le fichier dépasse 16 Mo, plus qu&apos;aucun paquet n&apos;en occupe</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: the file is empty</source>
        <translation>Impossible de lire le fichier de paquet %1&#xa0;: le fichier est vide</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>le niveau supérieur</translation>
    </message>
    <message>
        <source>expected an object, not an array</source>
        <translation>attendu&#xa0;: un objet, pas un tableau</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: %2</source>
        <translation>Impossible de lire le fichier de paquet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write the deck file %1: it would not read back (%2)</source>
        <translation>Impossible d&apos;écrire le fichier de paquet %1&#xa0;: il ne pourrait pas être relu (%2)</translation>
    </message>
    <message>
        <source>Cannot write the deck file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier de paquet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>The deck file %1 names a missing picture: %2</source>
        <translation>Le fichier de paquet %1 nomme une image manquante&#xa0;: %2</translation>
    </message>
    <message>
        <source>The deck file %1 names %2 missing pictures: %3</source>
        <translation>Le fichier de paquet %1 nomme %2 images manquantes&#xa0;: %3</translation>
    </message>
    <message>
        <source>an object or array</source>
        <translation>un objet ou un tableau</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>a name of at most 200 characters</source>
        <translation>un nom de 200 caractères au plus</translation>
    </message>
    <message>
        <source>a number from 1 to 1000</source>
        <translation>un nombre de 1 à 1000</translation>
    </message>
    <message>
        <source>a symbol&apos;s hexcode (&quot;1F415&quot;)</source>
        <translation>le code hexadécimal d&apos;un symbole (&quot;1F415&quot;)</translation>
    </message>
    <message>
        <source>a symbol set&apos;s name</source>
        <translation>le nom d&apos;un jeu de symboles</translation>
    </message>
    <message>
        <source>&quot;color&quot; or &quot;line&quot;</source>
        <translation>&quot;color&quot; ou &quot;line&quot;</translation>
    </message>
    <message>
        <source>a cell holds a &quot;picture&quot; or a &quot;symbol&quot;, not both</source>
        <translation>une cellule contient un &quot;picture&quot; ou un &quot;symbol&quot;, pas les deux</translation>
    </message>
    <message>
        <source>a word card holds no &quot;picture&quot; or &quot;symbol&quot;</source>
        <translation>une carte de mot ne contient ni &quot;picture&quot; ni &quot;symbol&quot;</translation>
    </message>
</context>
<context>
    <name>DuplexDialog</name>
    <message>
        <source>Take the printed sheets out of the printer, turn the stack over sideways (about its long edge, so that the same edge goes in first) and put it back into the paper tray.</source>
        <translation>Sortez les feuilles imprimées de l&apos;imprimante, retournez la pile sur le côté (autour de son bord long, pour que le même bord entre en premier) et remettez-la dans le bac à papier.</translation>
    </message>
    <message>
        <source>Take the printed sheets out of the printer and put the stack back into the paper tray as it lies, printed side up, the same edge first.</source>
        <translation>Sortez les feuilles imprimées de l&apos;imprimante et remettez la pile dans le bac à papier telle qu&apos;elle est, face imprimée dessus, le même bord en premier.</translation>
    </message>
    <message>
        <source>out: [3][2][1] face down, 1 at the bottom  ⟶  turn over sideways  ⟶  in: card 1 first</source>
        <translation>sortie&#xa0;: [3][2][1] face en dessous, 1 en bas  ⟶  retourner sur le côté  ⟶  entrée&#xa0;: carte 1 en premier</translation>
    </message>
    <message>
        <source>out: [1][2][3] face down, 1 on top  ⟶  turn over sideways  ⟶  in: the last card first</source>
        <translation>sortie&#xa0;: [1][2][3] face en dessous, 1 en haut  ⟶  retourner sur le côté  ⟶  entrée&#xa0;: la dernière carte en premier</translation>
    </message>
    <message>
        <source>out: [3][2][1] face up, 1 at the bottom  ⟶  as it lies  ⟶  in: the last card first</source>
        <translation>sortie&#xa0;: [3][2][1] face au-dessus, 1 en bas  ⟶  telle quelle  ⟶  entrée&#xa0;: la dernière carte en premier</translation>
    </message>
    <message>
        <source>out: [1][2][3] face up, 1 on top  ⟶  as it lies  ⟶  in: card 1 first</source>
        <translation>sortie&#xa0;: [1][2][3] face au-dessus, 1 en haut  ⟶  telle quelle  ⟶  entrée&#xa0;: carte 1 en premier</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Double-Sided Printing</source>
        <translation>Impression recto verso</translation>
    </message>
    <message>
        <source>Turning the sheet over</source>
        <translation>Retourner la feuille</translation>
    </message>
    <message>
        <source>Standard: the long edge for portrait cards, the short edge for landscape cards</source>
        <translation>Standard&#xa0;: le bord long pour les cartes en portrait, le bord court pour les cartes en paysage</translation>
    </message>
    <message>
        <source>On the long edge</source>
        <translation>Sur le bord long</translation>
    </message>
    <message>
        <source>On the short edge</source>
        <translation>Sur le bord court</translation>
    </message>
    <message>
        <source>Printing both sides</source>
        <translation>Impression des deux côtés</translation>
    </message>
    <message>
        <source>The printer prints both sides</source>
        <translation>L&apos;imprimante imprime les deux côtés</translation>
    </message>
    <message>
        <source>By hand: the printer lays the sheets face down</source>
        <translation>À la main&#xa0;: l&apos;imprimante dépose les feuilles face en dessous</translation>
    </message>
    <message>
        <source>By hand: face down, the printer prints the last page first</source>
        <translation>À la main&#xa0;: face en dessous, l&apos;imprimante imprime la dernière page en premier</translation>
    </message>
    <message>
        <source>By hand: the printer lays the sheets face up</source>
        <translation>À la main&#xa0;: l&apos;imprimante dépose les feuilles face au-dessus</translation>
    </message>
    <message>
        <source>By hand: face up, the printer prints the last page first</source>
        <translation>À la main&#xa0;: face au-dessus, l&apos;imprimante imprime la dernière page en premier</translation>
    </message>
    <message>
        <source>By hand, the fronts print first; then the program asks you to put the stack back.
If your paper tray prints on the upper side of the sheet, choose the other face.</source>
        <translation>À la main, les rectos s&apos;impriment d&apos;abord&#xa0;; puis le programme vous demande de remettre la pile.
Si votre bac à papier imprime sur la face supérieure de la feuille, choisissez l&apos;autre face.</translation>
    </message>
    <message>
        <source>&amp;Fold-over: each front and its word on one sheet, printed on one side and folded in the middle</source>
        <translation>&amp;Pliage&#xa0;: chaque recto et son mot sur une même feuille, imprimée d&apos;un seul côté et pliée au milieu</translation>
    </message>
    <message>
        <source>Back offset of the printer %1</source>
        <translation>Décalage du verso de l&apos;imprimante %1</translation>
    </message>
    <message>
        <source>X (to the right on the back):</source>
        <translation>X (vers la droite au verso)&#xa0;:</translation>
    </message>
    <message>
        <source>Y (down on the back):</source>
        <translation>Y (vers le bas au verso)&#xa0;:</translation>
    </message>
    <message>
        <source>Print the calibration sheet, hold it to the light with its back towards you,
and type where the front&apos;s lines cross the top and the left scale.</source>
        <translation>Imprimez la feuille d&apos;étalonnage, tenez-la à la lumière, le verso vers vous,
et saisissez où les traits du recto croisent la règle du haut et celle de gauche.</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet ...</source>
        <translation>Imprimer la feuille d&apos;é&amp;talonnage ...</translation>
    </message>
    <message>
        <source>Back offset of PDF files</source>
        <translation>Décalage du verso des fichiers PDF</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>Il n&apos;y a pas assez de mémoire pour terminer cette commande.</translation>
    </message>
    <message>
        <source>%1: not enough memory.</source>
        <translation>%1&#xa0;: mémoire insuffisante.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>An unexpected error stopped this command.</source>
        <translation>Une erreur inattendue a arrêté cette commande.</translation>
    </message>
</context>
<context>
    <name>GridPresets</name>
    <message>
        <source>2 × 2 in picture cards (Letter)</source>
        <translation>cartes illustrées 2 × 2 in (Letter)</translation>
    </message>
    <message>
        <source>2 × 2 in picture cards (A4)</source>
        <translation>cartes illustrées 2 × 2 in (A4)</translation>
    </message>
    <message>
        <source>3 × 5 in index cards</source>
        <translation>fiches bristol 3 × 5 in</translation>
    </message>
    <message>
        <source>business cards 85 × 55 mm</source>
        <translation>cartes de visite 85 × 55 mm</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>The changes are lost if you don&apos;t save them.</source>
        <translation>Les modifications sont perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>PictureErrors</name>
    <message>
        <source>the file is too large (more than %1 MB)</source>
        <translation>le fichier est trop grand (plus de %1 Mo)</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>le fichier n&apos;a pas pu être lu jusqu&apos;au bout</translation>
    </message>
    <message>
        <source>there is not enough memory to read the file</source>
        <translation>il n&apos;y a pas assez de mémoire pour lire le fichier</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>l&apos;image n&apos;a aucun pixel (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture&apos;s pixels do not match its size</source>
        <translation>les pixels de l&apos;image ne correspondent pas à sa taille</translation>
    </message>
    <message>
        <source>there is not enough memory for %1 x %2 pixels</source>
        <translation>il n&apos;y a pas assez de mémoire pour %1 x %2 pixels</translation>
    </message>
    <message>
        <source>this HEIF file holds an image sequence, which cannot be printed</source>
        <translation>ce fichier HEIF contient une séquence d&apos;images, qui ne peut pas être imprimée</translation>
    </message>
    <message>
        <source>this HEIF file&apos;s picture is an identity-derived (&apos;iden&apos;) item, which cannot be read</source>
        <translation>l&apos;image de ce fichier HEIF est un élément dérivé par identité (&apos;iden&apos;), qui ne peut pas être lu</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l&apos;image est trop grande</translation>
    </message>
    <message>
        <source>this is not a HEIF picture that can be read</source>
        <translation>ce n&apos;est pas une image HEIF lisible</translation>
    </message>
    <message>
        <source>this HEIF file uses a kind of picture that cannot be read</source>
        <translation>ce fichier HEIF utilise un type d&apos;image illisible</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>le fichier est abîmé</translation>
    </message>
    <message>
        <source>the picture has more than %1 scans</source>
        <translation>l&apos;image a plus de %1 passes</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1)</source>
        <translation>l&apos;image n&apos;a aucun pixel (%1)</translation>
    </message>
    <message>
        <source>the picture is too large: decoding %1 x %2 pixels needs more than %3 MB (%4)</source>
        <translation>l&apos;image est trop grande&#xa0;: décoder %1 x %2 pixels demande plus de %3 Mo (%4)</translation>
    </message>
    <message>
        <source>the file is cut off before its picture data (%1)</source>
        <translation>le fichier est coupé avant ses données d&apos;image (%1)</translation>
    </message>
    <message>
        <source>the file name does not end in %1</source>
        <translation>le nom du fichier ne se termine pas par %1</translation>
    </message>
    <message>
        <source>it is a folder, not a picture file</source>
        <translation>c&apos;est un dossier, pas un fichier d&apos;image</translation>
    </message>
    <message>
        <source>it is not a plain file (a device, pipe or socket)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Impossible de charger l&apos;image %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the picture is too large: %1 x %2 pixels need more than %3 MB</source>
        <translation>l&apos;image est trop grande&#xa0;: %1 x %2 pixels demandent plus de %3 Mo</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été donné</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>the file is cut off before the end of its picture data</source>
        <translation>le fichier est coupé avant la fin de ses données d&apos;image</translation>
    </message>
    <message>
        <source>Not a PNG file: starts with 0x%1 0x%2</source>
        <translation>Pas un fichier PNG&#xa0;: commence par 0x%1 0x%2</translation>
    </message>
    <message>
        <source>the file is damaged: its %1 chunk claims %2 bytes but the file ends after %3</source>
        <translation>le fichier est abîmé&#xa0;: son bloc %1 annonce %2 octets mais le fichier se termine après %3</translation>
    </message>
    <message>
        <source>the file is damaged: its %1 chunk of %2 bytes is larger than the %3 MB a picture&apos;s side data may take</source>
        <translation>le fichier est abîmé&#xa0;: son bloc %1 de %2 octets dépasse les %3 Mo que peuvent occuper les données annexes d&apos;une image</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>le fichier est abîmé&#xa0;: %1</translation>
    </message>
    <message>
        <source>its rows do not match its size</source>
        <translation>ses lignes ne correspondent pas à sa taille</translation>
    </message>
    <message>
        <source>the file is cut off before its picture data</source>
        <translation>le fichier est coupé avant ses données d&apos;image</translation>
    </message>
    <message>
        <source>the bitmap is damaged or of a kind that cannot be read</source>
        <translation>le bitmap est abîmé ou d&apos;un type illisible</translation>
    </message>
    <message>
        <source>Not a BMP file: starts with 0x%1 0x%2</source>
        <translation>Pas un fichier BMP&#xa0;: commence par 0x%1 0x%2</translation>
    </message>
    <message>
        <source>%1 (the bitmap&apos;s header is cut off)</source>
        <translation>%1 (l&apos;en-tête du bitmap est coupé)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot print fold-over cards: the cards of this grid or sheet do not stand in pairs about the middle of the paper, so no fold puts one behind another.</source>
        <translation>Impossible d&apos;imprimer des cartes pliées&#xa0;: les cartes de cette grille ou de cette planche ne forment pas de paires de part et d&apos;autre du milieu du papier, donc aucun pli ne les place l&apos;une derrière l&apos;autre.</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>paysage</translation>
    </message>
    <message>
        <source>Cannot print fold-over cards: a card of %1 picture per page in %2 has no middle line between its cells to fold on. Choose 2 or more pictures per page.</source>
        <translation>Impossible d&apos;imprimer des cartes pliées&#xa0;: une carte de %1 image par page en %2 n&apos;a pas de ligne médiane entre ses cases où la plier. Choisissez 2 images par page ou plus.</translation>
    </message>
    <message>
        <source>Cannot print fold-over cards: a card of %1 pictures per page in %2 has no middle line between its cells to fold on. Choose 2 or more pictures per page.</source>
        <translation>Impossible d&apos;imprimer des cartes pliées&#xa0;: une carte de %1 images par page en %2 n&apos;a pas de ligne médiane entre ses cases où la plier. Choisissez 2 images par page ou plus.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1: %2</source>
        <translation>Impossible d&apos;imprimer l&apos;image %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot print</source>
        <translation>Impossible d&apos;imprimer</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; did not start the job.</source>
        <translation>Impossible d&apos;imprimer&#xa0;: l&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas démarré le travail.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; could not start page %2.</source>
        <translation>l&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pu commencer la page %2.</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; reported an error.</source>
        <translation>Impossible d&apos;imprimer&#xa0;: l&apos;imprimante «&#xa0;%1&#xa0;» a signalé une erreur.</translation>
    </message>
    <message>
        <source>Cannot print to the file %1: %2</source>
        <translation>Impossible d&apos;imprimer dans le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; is not available.</source>
        <translation>Impossible d&apos;imprimer&#xa0;: l&apos;imprimante «&#xa0;%1&#xa0;» n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Cannot print: the page range picks none of the %1 cards.</source>
        <translation>Impossible d&apos;imprimer&#xa0;: l&apos;étendue de pages ne choisit aucune des %1 cartes.</translation>
    </message>
    <message>
        <source>The fronts are printed.

%1

Then click Continue to print the backs.</source>
        <translation>Les rectos sont imprimés.

%1

Cliquez ensuite sur Continuer pour imprimer les versos.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Sheet %1, to fold</source>
        <translation>Feuille %1, à plier</translation>
    </message>
    <message>
        <source>Card %1, back</source>
        <translation>Carte %1, verso</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carte %1</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Imprimer ...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Word &amp;Backs</source>
        <translation>Imprimer les mots au &amp;verso</translation>
    </message>
    <message>
        <source>Cannot print a card with %1 pictures per page: a page holds 1, 2, 4, 6 or 8 pictures.</source>
        <translation>Impossible d&apos;imprimer une carte de %1 images par page&#xa0;: une page contient 1, 2, 4, 6 ou 8 images.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1: not enough memory for %2 x %3 pixels.</source>
        <translation>Impossible d&apos;imprimer l&apos;image %1&#xa0;: pas assez de mémoire pour %2 x %3 pixels.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1</source>
        <translation>Impossible d&apos;imprimer l&apos;image %1</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier PDF %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no page to write.</source>
        <translation>il n&apos;y a aucune page à écrire.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the PDF writer could not start the document.</source>
        <translation>le générateur PDF n&apos;a pas pu commencer le document.</translation>
    </message>
    <message>
        <source>could not start page %1.</source>
        <translation>impossible de commencer la page %1.</translation>
    </message>
    <message>
        <source>the PDF writer failed.</source>
        <translation>le générateur PDF a échoué.</translation>
    </message>
    <message>
        <source>the text of its label words could not be added (%1).</source>
        <translation>le texte de ses mots n’a pas pu être ajouté (%1).</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>le fichier n&apos;a pas été écrit en entier</translation>
    </message>
</context>
<context>
    <name>RecentDecks</name>
    <message>
        <source>Not found: %1</source>
        <translation>Introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>No recent decks</source>
        <translation>Aucun paquet récent</translation>
    </message>
    <message>
        <source>Recent Dec&amp;ks</source>
        <translation>Paquets ré&amp;cents</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Recover Decks</source>
        <translation>Récupérer des paquets</translation>
    </message>
    <message>
        <source>Ferlo ended before these decks were saved. Restore a deck, save it under a name, or discard it. Decks left here are offered again at the next start.</source>
        <translation>Ferlo s&apos;est arrêté avant l&apos;enregistrement de ces paquets. Restaurez un paquet, enregistrez-le sous un nom ou abandonnez-le. Ceux qui restent ici seront proposés de nouveau au prochain démarrage.</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Save As ...</source>
        <translation>&amp;Enregistrer sous ...</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read: %2</source>
        <translation>La copie de récupération %1 est illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file is larger than any deck</source>
        <translation>le fichier est plus grand que tout paquet</translation>
    </message>
    <message>
        <source>a deck, but no recovery copy of this program</source>
        <translation>un paquet, mais pas une copie de récupération de ce programme</translation>
    </message>
    <message>
        <source>recovery.deckFile: expected an absolute file name</source>
        <translation>recovery.deckFile&#xa0;: nom de fichier absolu attendu</translation>
    </message>
    <message>
        <source>recovery.changed: expected a time</source>
        <translation>recovery.changed&#xa0;: heure attendue</translation>
    </message>
    <message>
        <source>It could not be set aside either.</source>
        <translation>Elle n&apos;a pas pu être mise de côté non plus.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>Elle a été mise de côté sous le nom %1.</translation>
    </message>
    <message>
        <source>Ferlo cannot keep a recovery copy of the deck in %1: %2
Your files are as they were; save the deck to keep its changes.</source>
        <translation>Ferlo ne peut pas garder de copie de récupération du paquet dans %1&#xa0;: %2
Vos fichiers sont intacts&#xa0;; enregistrez le paquet pour garder ses modifications.</translation>
    </message>
    <message>
        <source>the lock file cannot be made</source>
        <translation>le fichier de verrou ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The print option could not be saved to %1</source>
        <translation>L&apos;option d&apos;impression n&apos;a pas pu être enregistrée dans %1</translation>
    </message>
    <message>
        <source>a backslash in quotes must be followed by \ or &quot;</source>
        <translation>une barre oblique inverse entre guillemets doit être suivie de \ ou de &quot;</translation>
    </message>
    <message>
        <source>a quoted text has no closing quote</source>
        <translation>un texte entre guillemets n&apos;a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>there is text after the closing quote</source>
        <translation>du texte suit le guillemet fermant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dword</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dword</translation>
    </message>
    <message>
        <source>removing values is not supported</source>
        <translation>la suppression de valeurs n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <source>the value&apos;s data is not understood</source>
        <translation>les données de la valeur ne sont pas comprises</translation>
    </message>
    <message>
        <source>hexadecimal data has no &quot;:&quot;</source>
        <translation>des données hexadécimales n&apos;ont pas de «&#xa0;:&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value type</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un type de valeur</translation>
    </message>
    <message>
        <source>hexadecimal data ends in a backslash</source>
        <translation>des données hexadécimales se terminent par une barre oblique inverse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hexadecimal byte</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un octet hexadécimal</translation>
    </message>
    <message>
        <source>the file is not valid %1 text</source>
        <translation>le fichier n&apos;est pas un texte %1 valide</translation>
    </message>
    <message>
        <source>the settings file could not be locked</source>
        <translation>le fichier de réglages n&apos;a pas pu être verrouillé</translation>
    </message>
    <message>
        <source>the settings file is locked by another program</source>
        <translation>le fichier de réglages est verrouillé par un autre programme</translation>
    </message>
    <message>
        <source>the file does not start with &quot;%1&quot;</source>
        <translation>le fichier ne commence pas par «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>un nom de clé n&apos;a pas de crochet fermant</translation>
    </message>
    <message>
        <source>removing keys is not supported</source>
        <translation>la suppression de clés n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid key name</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de clé valide</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not belong to %2</source>
        <translation>la clé «&#xa0;%1&#xa0;» n&apos;appartient pas à %2</translation>
    </message>
    <message>
        <source>the line is not a key, a value or a comment</source>
        <translation>la ligne n&apos;est ni une clé, ni une valeur, ni un commentaire</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>une valeur précède la première clé</translation>
    </message>
    <message>
        <source>a value name is not followed by &quot;=&quot;</source>
        <translation>un nom de valeur n&apos;est pas suivi de «&#xa0;=&#xa0;»</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the settings file holds a name or a value that cannot be written back unchanged</source>
        <translation>le fichier de réglages contient un nom ou une valeur qui ne peut pas être réécrit à l&apos;identique</translation>
    </message>
    <message>
        <source>the settings file is not a regular file</source>
        <translation>le fichier de réglages n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is too large to be a settings file</source>
        <translation>le fichier est trop grand pour être un fichier de réglages</translation>
    </message>
    <message>
        <source>the file is not a valid settings file (%1)</source>
        <translation>le fichier n&apos;est pas un fichier de réglages valide (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid key name</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nom de clé valide</translation>
    </message>
    <message>
        <source>%1: the key &quot;%2&quot; does not exist</source>
        <translation>%1&#xa0;: la clé «&#xa0;%2&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossible de lire les données de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;écrire les données de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1: no key is open</source>
        <translation>%1&#xa0;: aucune clé n&apos;est ouverte</translation>
    </message>
    <message>
        <source>%1: the value name or text holds a line break</source>
        <translation>%1&#xa0;: le nom ou le texte de la valeur contient un saut de ligne</translation>
    </message>
    <message>
        <source>The speech options could not be saved to %1</source>
        <translation>Les options de voix n&apos;ont pas pu être enregistrées dans %1</translation>
    </message>
    <message>
        <source>At most %1 symbol folders can be stored.</source>
        <translation>Au plus %1 dossiers de symboles peuvent être enregistrés.</translation>
    </message>
    <message>
        <source>The symbol folder %1 can&apos;t be stored: its name holds a line break.</source>
        <translation>Le dossier de symboles %1 ne peut pas être enregistré : son nom contient un saut de ligne.</translation>
    </message>
    <message>
        <source>The symbol folders could not be saved to %1</source>
        <translation>Les dossiers de symboles n&apos;ont pas pu être enregistrés dans %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1</translation>
    </message>
</context>
<context>
    <name>SheetTemplates</name>
    <message>
        <source>it has no %1</source>
        <translation>elle n&apos;a pas d&apos;attribut %1</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is not a length in pt, mm, cm, in or pc</source>
        <translation>son attribut %1 «&#xa0;%2&#xa0;» n&apos;est pas une longueur en pt, mm, cm, in ou pc</translation>
    </message>
    <message>
        <source>its %1 of %2 is more than a metre</source>
        <translation>son attribut %1 de %2 dépasse un mètre</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is not a whole number from 1 to %3</source>
        <translation>son attribut %1 «&#xa0;%2&#xa0;» n&apos;est pas un nombre entier de 1 à %3</translation>
    </message>
    <message>
        <source>its paper size &quot;%1&quot; is not known</source>
        <translation>son format de papier «&#xa0;%1&#xa0;» est inconnu</translation>
    </message>
    <message>
        <source>its paper has no size</source>
        <translation>son papier n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>its labels have no size</source>
        <translation>ses étiquettes n&apos;ont pas de taille</translation>
    </message>
    <message>
        <source>it has more than %1 labels on a sheet</source>
        <translation>elle a plus de %1 étiquettes par feuille</translation>
    </message>
    <message>
        <source>CD and DVD labels are not offered</source>
        <translation>les étiquettes de CD et de DVD ne sont pas proposées</translation>
    </message>
    <message>
        <source>it has no labels</source>
        <translation>elle n&apos;a pas d&apos;étiquettes</translation>
    </message>
    <message>
        <source>a label at %1, %2 mm runs %3 mm off the paper</source>
        <translation>une étiquette en %1, %2 mm dépasse du papier de %3 mm</translation>
    </message>
    <message>
        <source>The sheet %1 in %2 is left out: %3.</source>
        <translation>La planche %1 de %2 est écartée&#xa0;: %3.</translation>
    </message>
    <message>
        <source>it has no brand or part number</source>
        <translation>elle n&apos;a ni marque ni référence</translation>
    </message>
    <message>
        <source>the sheet %1 it is equal to is %2</source>
        <translation>la planche %1 dont elle est l&apos;équivalent est %2</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>écartée</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>absente</translation>
    </message>
    <message>
        <source>The sheet templates in %1 are read only up to line %2: %3.</source>
        <translation>Les définitions de planches de %1 ne sont lues que jusqu&apos;à la ligne %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>No label sheets are installed: %1 does not hold paper-sizes.xml (the package glabels-data).</source>
        <translation>Aucune planche d&apos;étiquettes n&apos;est installée&#xa0;: %1 ne contient pas paper-sizes.xml (paquet logiciel glabels-data).</translation>
    </message>
    <message>
        <source>The sheet templates in %1 cannot be read: %2.</source>
        <translation>Les définitions de planches de %1 ne peuvent pas être lues&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot use the sheet %1. %2</source>
        <translation>Impossible d&apos;utiliser la planche %1. %2</translation>
    </message>
    <message>
        <source>There is no sheet named %1 among the installed sheet templates (%2).</source>
        <translation>Aucune planche nommée %1 ne figure parmi les définitions de planches installées (%2).</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound file &quot;%1&quot; can&apos;t be opened: %2</source>
        <translation>Le fichier son «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>No sound file is named.</source>
        <translation>Aucun fichier son n&apos;est nommé.</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>Code d&apos;erreur inconnu</translation>
    </message>
    <message>
        <source>the file describes no sound</source>
        <translation>le fichier ne décrit aucun son</translation>
    </message>
    <message>
        <source>the output format is not usable</source>
        <translation>le format de sortie n&apos;est pas utilisable</translation>
    </message>
    <message>
        <source>the sound is too long (more than %1 MB of samples)</source>
        <translation>le son est trop long (plus de %1 Mo d&apos;échantillons)</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; can&apos;t be spoken: %2</source>
        <translation>Le mot «&#xa0;%1&#xa0;» ne peut pas être prononcé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the speech engine can&apos;t be loaded</source>
        <translation>le moteur de synthèse vocale ne peut pas être chargé</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>il n&apos;y a pas de voix «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>le moteur de synthèse vocale a échoué</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; can&apos;t be written: %2</source>
        <translation>Le fichier son «&#xa0;%1&#xa0;» ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>No sound input (a microphone) was found: nothing can be recorded.</source>
        <translation>Aucune entrée audio (un microphone) n&apos;a été trouvée&#xa0;: rien ne peut être enregistré.</translation>
    </message>
    <message>
        <source>The sound input &quot;%1&quot; can&apos;t be opened: nothing can be recorded.</source>
        <translation>L&apos;entrée audio «&#xa0;%1&#xa0;» ne peut pas être ouverte&#xa0;: rien ne peut être enregistré.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>the file was not open for writing</source>
        <translation>le fichier n&apos;était pas ouvert en écriture</translation>
    </message>
</context>
<context>
    <name>SymbolDialogs</name>
    <message>
        <source>&amp;Add folder ...</source>
        <translation>&amp;Ajouter un dossier ...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Your own symbol folders: their SVG, PNG and JPEG files are found by their names.</source>
        <translation>Vos propres dossiers de symboles&#xa0;: leurs fichiers SVG, PNG et JPEG sont trouvés par leur nom.</translation>
    </message>
    <message>
        <source>Cards from Words</source>
        <translation>Cartes à partir de mots</translation>
    </message>
    <message>
        <source>Symbols as &amp;line art</source>
        <translation>Symboles en &amp;dessin au trait</translation>
    </message>
    <message>
        <source>Words, one a line or separated by commas:</source>
        <translation>Mots, un par ligne ou séparés par des virgules&#xa0;:</translation>
    </message>
    <message>
        <source>Pictures named after a word are taken first from:</source>
        <translation>Les images nommées d&apos;après un mot sont prises d&apos;abord dans&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Cannot read the drawing %1: %2</source>
        <translation>Impossible de lire le dessin %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it holds an embedded picture that cannot be read</source>
        <translation>il contient une image incorporée illisible</translation>
    </message>
    <message>
        <source>it holds an embedded picture that is not a PNG, JPEG, GIF, BMP or WebP picture</source>
        <translation>il contient une image incorporée qui n&apos;est pas une image PNG, JPEG, GIF, BMP ou WebP</translation>
    </message>
    <message>
        <source>it holds an embedded picture larger than %1 x %1 pixels</source>
        <translation>il contient une image incorporée de plus de %1 x %1 pixels</translation>
    </message>
    <message>
        <source>its document type declares notations</source>
        <translation>son type de document déclare des notations</translation>
    </message>
    <message>
        <source>its document type declares more than %1 entities</source>
        <translation>son type de document déclare plus de %1 entités</translation>
    </message>
    <message>
        <source>its document type refers to another file (%1)</source>
        <translation>son type de document renvoie à un autre fichier (%1)</translation>
    </message>
    <message>
        <source>its document type declares an entity that is too long or nested (%1)</source>
        <translation>son type de document déclare une entité trop longue ou imbriquée (%1)</translation>
    </message>
    <message>
        <source>its entities expand to more than %1 characters</source>
        <translation>ses entités se développent en plus de %1 caractères</translation>
    </message>
    <message>
        <source>compressed drawings (.svgz) are not read; unpack it first</source>
        <translation>les dessins compressés (.svgz) ne sont pas lus&#xa0;; décompressez-le d&apos;abord</translation>
    </message>
    <message>
        <source>it refers to a style sheet in another file</source>
        <translation>il renvoie à une feuille de style d&apos;un autre fichier</translation>
    </message>
    <message>
        <source>it refers to an entity that is not declared (%1)</source>
        <translation>il renvoie à une entité non déclarée (%1)</translation>
    </message>
    <message>
        <source>it is not an SVG drawing</source>
        <translation>ce n&apos;est pas un dessin SVG</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>it holds more than %1 elements</source>
        <translation>il contient plus de %1 éléments</translation>
    </message>
    <message>
        <source>it refers to another file (%1)</source>
        <translation>il renvoie à un autre fichier (%1)</translation>
    </message>
    <message>
        <source>its style refers to another file</source>
        <translation>son style renvoie à un autre fichier</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>ce n&apos;est pas du XML bien formé (ligne %1&#xa0;: %2)</translation>
    </message>
    <message>
        <source>it draws more than %1 elements, or its parts use each other in a loop</source>
        <translation>il dessine plus de %1 éléments, ou ses parties s&apos;utilisent en boucle</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>Impossible de lire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>il dépasse %1 octets</translation>
    </message>
    <message>
        <source>it is not an SVG drawing that can be drawn</source>
        <translation>ce n&apos;est pas un dessin SVG qui puisse être dessiné</translation>
    </message>
    <message>
        <source>it has no usable size (a viewBox, or a width and a height)</source>
        <translation>il n&apos;a pas de taille utilisable (une viewBox, ou une largeur et une hauteur)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is not a size it can be drawn at</source>
        <translation>%1 x %2 pixels n&apos;est pas une taille à laquelle il peut être dessiné</translation>
    </message>
    <message>
        <source>not enough memory for %1 x %2 pixels</source>
        <translation>pas assez de mémoire pour %1 x %2 pixels</translation>
    </message>
    <message>
        <source>%1 (%2, line art)</source>
        <translation>%1 (%2, dessin au trait)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>card %1: symbol %2</source>
        <translation>carte %1&#xa0;: symbole %2</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>&#xa0;; et %1 de plus</translation>
    </message>
    <message>
        <source>the OpenMoji symbol set is not installed</source>
        <translation>le jeu de symboles OpenMoji n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the installed symbol set does not hold them</source>
        <translation>le jeu de symboles installé ne les contient pas</translation>
    </message>
    <message>
        <source>The deck file %1 names symbols that cannot be shown (%2): %3</source>
        <translation>Le fichier de paquet %1 nomme des symboles qui ne peuvent pas être affichés (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Symbols: OpenMoji (openmoji.org), licensed under CC BY-SA 4.0 (creativecommons.org/licenses/by-sa/4.0)</source>
        <translation>Symboles&#xa0;: OpenMoji (openmoji.org), sous licence CC BY-SA 4.0 (creativecommons.org/licenses/by-sa/4.0)</translation>
    </message>
    <message>
        <source>The symbol index %1 can&apos;t be read: %2.</source>
        <translation>L&apos;index des symboles %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation>il se termine trop tôt</translation>
    </message>
    <message>
        <source>it counts more records than it holds</source>
        <translation>il annonce plus d&apos;enregistrements qu&apos;il n&apos;en contient</translation>
    </message>
    <message>
        <source>a text lies outside the file&apos;s texts</source>
        <translation>un texte se trouve hors des textes du fichier</translation>
    </message>
    <message>
        <source>No symbol set is loaded.</source>
        <translation>Aucun jeu de symboles n&apos;est chargé.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop grand</translation>
    </message>
    <message>
        <source>it is no symbol index</source>
        <translation>ce n&apos;est pas un index de symboles</translation>
    </message>
    <message>
        <source>it was written for another version of the program</source>
        <translation>il a été écrit pour une autre version du programme</translation>
    </message>
    <message>
        <source>its size is not the size it was written with</source>
        <translation>sa taille n&apos;est pas celle avec laquelle il a été écrit</translation>
    </message>
    <message>
        <source>it holds no symbols</source>
        <translation>il ne contient aucun symbole</translation>
    </message>
    <message>
        <source>a symbol folds under one that isn&apos;t there</source>
        <translation>un symbole se range sous un symbole absent</translation>
    </message>
    <message>
        <source>a symbol folds under a variant</source>
        <translation>un symbole se range sous une variante</translation>
    </message>
    <message>
        <source>it holds no language</source>
        <translation>il ne contient aucune langue</translation>
    </message>
    <message>
        <source>a language is unnamed or named twice</source>
        <translation>une langue est sans nom ou nommée deux fois</translation>
    </message>
    <message>
        <source>a symbol&apos;s keywords lie outside the keywords</source>
        <translation>les mots-clés d&apos;un symbole sont hors des mots-clés</translation>
    </message>
    <message>
        <source>a term names no symbol of its own</source>
        <translation>un terme ne désigne aucun symbole à part entière</translation>
    </message>
    <message>
        <source>its terms are out of order</source>
        <translation>ses termes ne sont pas dans l&apos;ordre</translation>
    </message>
    <message>
        <source>its first language is not English</source>
        <translation>sa première langue n&apos;est pas l&apos;anglais</translation>
    </message>
    <message>
        <source>there is more after its end</source>
        <translation>il y a encore des données après sa fin</translation>
    </message>
    <message>
        <source>The OpenMoji symbols are not installed: there is no symbols folder beside the program (%1) nor in %2.</source>
        <translation>Les symboles OpenMoji ne sont pas installés : il n&apos;y a pas de dossier symbols à côté du programme (%1) ni dans %2.</translation>
    </message>
    <message>
        <source>no symbol found for &quot;%1&quot;</source>
        <translation>aucun symbole trouvé pour &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a symbol&apos;s hexcode is malformed or given twice</source>
        <translation>le code hexadécimal d&apos;un symbole est mal formé ou donné deux fois</translation>
    </message>
    <message>
        <source>The symbol cannot be shown: it is not installed</source>
        <translation>Le symbole ne peut pas être affiché&#xa0;: il n&apos;est pas installé</translation>
    </message>
</context>
<context>
    <name>TdlgSpeech</name>
    <message>
        <source>Deck Properties</source>
        <translation>Propriétés du paquet</translation>
    </message>
    <message>
        <source>The program&apos;s language</source>
        <translation>La langue du programme</translation>
    </message>
    <message>
        <source>Words without a recording are spoken in this language, unless Options &gt; Speech names a voice.
A word in another script is spoken in a voice that reads it.</source>
        <translation>Les mots sans enregistrement sont prononcés dans cette langue, sauf si Options &gt; Voix désigne une voix.
Un mot dans une autre écriture est prononcé par une voix qui la lit.</translation>
    </message>
    <message>
        <source>&amp;Language of the words:</source>
        <translation>&amp;Langue des mots&#xa0;:</translation>
    </message>
</context>
<context>
    <name>WordCards</name>
    <message>
        <source>Cannot read the words of %1: it is not UTF-8 text</source>
        <translation>Impossible de lire les mots de %1&#xa0;: ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>Cannot read the words of %1: it holds no words</source>
        <translation>Impossible de lire les mots de %1&#xa0;: il ne contient aucun mot</translation>
    </message>
    <message>
        <source>Cannot look for pictures in %1: it is not a folder</source>
        <translation>Impossible de chercher des images dans %1&#xa0;: ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>No picture or symbol found for %1</source>
        <translation>Aucune image ni aucun symbole trouvé pour %1</translation>
    </message>
</context>
<context>
    <name>ferlo::ActivityDialog</name>
    <message>
        <source>Make Activity</source>
        <translation>Créer un jeu</translation>
    </message>
    <message>
        <source>Memory pairs</source>
        <translation>Paires de mémoire</translation>
    </message>
    <message>
        <source>Picture and word</source>
        <translation>Image et mot</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Loto</translation>
    </message>
    <message>
        <source>Bingo</source>
        <translation>Bingo</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jeu :</translation>
    </message>
    <message>
        <source>&amp;Boards:</source>
        <translation>&amp;Grilles :</translation>
    </message>
    <message>
        <source>Columns × rows:</source>
        <translation>Colonnes × lignes :</translation>
    </message>
    <message>
        <source>&amp;Free centre</source>
        <translation>Centre &amp;libre</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Graine :</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>No backs</source>
        <translation>Sans verso</translation>
    </message>
    <message>
        <source>Plain pattern</source>
        <translation>Motif simple</translation>
    </message>
    <message>
        <source>Back picture</source>
        <translation>Image du verso</translation>
    </message>
    <message>
        <source>Card bac&amp;ks:</source>
        <translation>&amp;Versos :</translation>
    </message>
    <message>
        <source>Choose ...</source>
        <translation>Choisir ...</translation>
    </message>
    <message>
        <source>Back picture:</source>
        <translation>Image du verso :</translation>
    </message>
    <message>
        <source>Click a picture to hear its word.</source>
        <translation>Cliquez sur une image pour entendre son mot.</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Imprimer ...</translation>
    </message>
    <message>
        <source>Pre&amp;view ...</source>
        <translation>&amp;Aperçu ...</translation>
    </message>
    <message>
        <source>&amp;Export PDF ...</source>
        <translation>&amp;Exporter en PDF ...</translation>
    </message>
    <message>
        <source>&amp;Add to Deck</source>
        <translation>&amp;Ajouter au paquet</translation>
    </message>
    <message>
        <source>Save as &amp;Deck ...</source>
        <translation>Enregistrer comme &amp;paquet ...</translation>
    </message>
    <message>
        <source>Choose the back picture.</source>
        <translation>Choisissez l’image du verso.</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Pages : %1</translation>
    </message>
</context>
<context>
    <name>ferlo::CardStrip</name>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carte %1</translation>
    </message>
</context>
<context>
    <name>ferlo::DirectoryListBox</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>Le dossier %1 ne peut pas être ouvert&#xa0;: permission refusée.</translation>
    </message>
</context>
<context>
    <name>ferlo::HelpWindow</name>
    <message>
        <source>The user&apos;s guide %1 is missing: Ferlo is not installed whole.</source>
        <translation>Le guide de l&apos;utilisateur %1 manque : Ferlo n&apos;est pas installé en entier.</translation>
    </message>
    <message>
        <source>The desktop could not open the guide (%1), so it is shown here.</source>
        <translation>Le bureau n&apos;a pas pu ouvrir le guide (%1) : il est donc affiché ici.</translation>
    </message>
    <message>
        <source>no program that opens files was found</source>
        <translation>aucun programme qui ouvre les fichiers n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>%1 stopped</source>
        <translation>%1 s&apos;est arrêté</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 s&apos;est terminé avec le code %2</translation>
    </message>
    <message>
        <source>Ferlo Help</source>
        <extracomment>The title of the window that shows the user&apos;s guide.</extracomment>
        <translation>Aide de Ferlo</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
</context>
<context>
    <name>ferlo::LabelEditor</name>
    <message>
        <source>Label word of picture %1</source>
        <translation>Mot de l&apos;image %1</translation>
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
        <translation>rondes, </translation>
    </message>
    <message>
        <source>elliptic </source>
        <translation>elliptiques, </translation>
    </message>
    <message>
        <source>%1 — %2 (%3%4 × %5 mm, %6 per sheet)</source>
        <extracomment>A sheet in the list: its name, description, labels&apos; shape and size, labels per sheet.</extracomment>
        <translation>%1 — %2 (%3%4 × %5 mm, %6 par planche)</translation>
    </message>
    <message>
        <source>Change Layout of All Cards</source>
        <translation>Changer la disposition de toutes les cartes</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>&amp;Pictures per page</source>
        <translation>&amp;Images par page</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>P&amp;resets</source>
        <translation>&amp;Modèles</translation>
    </message>
    <message>
        <source>&amp;Sheets</source>
        <translation>P&amp;lanches</translation>
    </message>
    <message>
        <source>&amp;Fill: crop pictures to fill their cards</source>
        <translation>&amp;Remplir&#xa0;: rogner les images pour remplir leurs cartes</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Fond perdu&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>C&amp;ontours</translation>
    </message>
    <message>
        <source>Pictures &amp;per page:</source>
        <translation>Images p&amp;ar page&#xa0;:</translation>
    </message>
    <message>
        <source>Por&amp;trait</source>
        <translation>Por&amp;trait</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Pa&amp;ysage</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Orientation&#xa0;:</translation>
    </message>
    <message>
        <source>The card fills the page, as the toolbar&apos;s buttons lay it out.</source>
        <translation>La carte remplit la page, disposée comme le font les boutons de la barre d&apos;outils.</translation>
    </message>
    <message>
        <source>&amp;Columns × rows:</source>
        <translation>&amp;Colonnes × lignes&#xa0;:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
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
        <source>P&amp;aper:</source>
        <translation>Pa&amp;pier&#xa0;:</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Taille du papier&#xa0;:</translation>
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
        <translation>&amp;Unité&#xa0;:</translation>
    </message>
    <message>
        <source>Cards of this si&amp;ze, centred:</source>
        <translation>Cartes de cette &amp;taille, centrées&#xa0;:</translation>
    </message>
    <message>
        <source>across,</source>
        <translation>en largeur,</translation>
    </message>
    <message>
        <source>down</source>
        <translation>en hauteur</translation>
    </message>
    <message>
        <source>Gaps:</source>
        <translation>Espaces&#xa0;:</translation>
    </message>
    <message>
        <source>The page &amp;divided evenly, margins:</source>
        <translation>Page &amp;divisée en parts égales, marges&#xa0;:</translation>
    </message>
    <message>
        <source>Brand, part number or description</source>
        <translation>Marque, référence ou description</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>C&amp;hercher&#xa0;:</translation>
    </message>
    <message>
        <source>No installed sheet matches &quot;%1&quot;.</source>
        <translation>Aucune planche installée ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>Planches&#xa0;: %1</translation>
    </message>
    <message>
        <source>Choose a preset.</source>
        <translation>Choisissez un modèle.</translation>
    </message>
    <message>
        <source>Choose a sheet.</source>
        <translation>Choisissez une planche.</translation>
    </message>
    <message>
        <source>The deck&apos;s %1 in order, with their words: %2.</source>
        <translation>Le paquet, dans l&apos;ordre et avec ses mots&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 image</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 images</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>%1 per page, as the toolbar lays it out</source>
        <translation>%1 par page, comme la barre d&apos;outils les dispose</translation>
    </message>
</context>
<context>
    <name>ferlo::LayoutPanel</name>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Picture %1: %2</source>
        <translation>Image %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Picture %1 that cannot be shown: %2</source>
        <translation>Image %1 qui ne peut pas être affichée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ferlo::SymbolBrowser</name>
    <message>
        <source>Pictures of your own symbol folders (Options) are found all the same.</source>
        <translation>Les images de vos propres dossiers de symboles (Options) sont trouvées quand même.</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>Chercher des symboles</translation>
    </message>
    <message>
        <source>Line art</source>
        <translation>Dessin au trait</translation>
    </message>
    <message>
        <source>Symbols found</source>
        <translation>Symboles trouvés</translation>
    </message>
</context>
<context>
    <name>ferlo::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Ferlo developers</source>
        <translation>Copyright © 2026 les développeurs de Ferlo</translation>
    </message>
    <message>
        <source>Flash cards</source>
        <translation>Cartes flash</translation>
    </message>
    <message>
        <source>Pictures on a card, a word under each, cut lines between them: print the page and cut it into cards.</source>
        <translation>Des images sur une carte, un mot sous chacune, des lignes de coupe&#xa0;: imprimez la page et découpez les cartes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Symbols: OpenMoji (CC BY-SA 4.0), names: Unicode CLDR</source>
        <translation>Symboles : OpenMoji (CC BY-SA 4.0), noms : Unicode CLDR</translation>
    </message>
</context>
<context>
    <name>ferlo::TFerloMainForm</name>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
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
        <source>Move card ear&amp;lier</source>
        <translation>&amp;Avancer la carte</translation>
    </message>
    <message>
        <source>Move card la&amp;ter</source>
        <translation>Re&amp;culer la carte</translation>
    </message>
    <message>
        <source>Change Layout of &amp;All Cards ...</source>
        <translation>Changer la disposition de &amp;toutes les cartes ...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Card &amp;Strip</source>
        <translation>&amp;Bandeau des cartes</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>Déplacer l&apos;image</translation>
    </message>
    <message>
        <source>Card %1 holds that picture already</source>
        <translation>La carte %1 contient déjà cette image</translation>
    </message>
    <message>
        <source>Card %1 is full</source>
        <translation>La carte %1 est pleine</translation>
    </message>
    <message>
        <source>Moved to card %1</source>
        <translation>Déplacée vers la carte %1</translation>
    </message>
    <message>
        <source>Change layout of all cards</source>
        <translation>Changer la disposition de toutes les cartes</translation>
    </message>
    <message>
        <source>Open deck</source>
        <translation>Ouvrir un paquet</translation>
    </message>
    <message>
        <source>Ferlo decks (%1)</source>
        <translation>Paquets Ferlo (%1)</translation>
    </message>
    <message>
        <source>Save deck</source>
        <translation>Enregistrer le paquet</translation>
    </message>
    <message>
        <source>Save activity as deck</source>
        <translation>Enregistrer l’activité comme paquet</translation>
    </message>
    <message>
        <source>activity</source>
        <translation>activité</translation>
    </message>
    <message>
        <source>Untitled deck</source>
        <translation>Paquet sans titre</translation>
    </message>
    <message>
        <source>%1[*] - Ferlo</source>
        <extracomment>The window&apos;s title: the deck&apos;s name, the mark of unsaved changes, the program&apos;s name.</extracomment>
        <translation>%1[*] - Ferlo</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Carte %1 sur %2</translation>
    </message>
    <message>
        <source>This application requires a screen resolution of 800x600 or higher.</source>
        <translation>Ce programme demande une résolution d&apos;écran de 800x600 ou plus.</translation>
    </message>
    <message>
        <source>Select A Picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Select up to %1 Pictures</source>
        <translation>Choisir jusqu&apos;à %1 images</translation>
    </message>
    <message>
        <source>%1: the picture is damaged and shows only in part</source>
        <translation>%1&#xa0;: l&apos;image est abîmée et ne s&apos;affiche qu&apos;en partie</translation>
    </message>
    <message>
        <source>These pictures are damaged and show only in part: %1</source>
        <translation>Ces images sont abîmées et ne s&apos;affichent qu&apos;en partie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Picture %1 that cannot be shown: %2</source>
        <translation>Image %1 qui ne peut pas être affichée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Picture %1: %2</source>
        <translation>Image %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Turn Cutlines On</source>
        <translation>Afficher les lignes de coupe</translation>
    </message>
    <message>
        <source>Turn Cutlines Off</source>
        <translation>Masquer les lignes de coupe</translation>
    </message>
    <message>
        <source>This file was not found: %1</source>
        <translation>Ce fichier est introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>These files were not found: %1</source>
        <translation>Ces fichiers sont introuvables&#xa0;: %1</translation>
    </message>
    <message>
        <source>This file is not a picture: %1</source>
        <translation>Ce fichier n&apos;est pas une image&#xa0;: %1</translation>
    </message>
    <message>
        <source>These files are not pictures: %1</source>
        <translation>Ces fichiers ne sont pas des images&#xa0;: %1</translation>
    </message>
    <message>
        <source>One deck opens at a time; not opened: %1</source>
        <translation>Un seul paquet s&apos;ouvre à la fois&#xa0;; non ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ferlo</source>
        <extracomment>The program&apos;s name, the window&apos;s title before a deck is shown.</extracomment>
        <translation>Ferlo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New deck</source>
        <translation>&amp;Nouveau paquet</translation>
    </message>
    <message>
        <source>&amp;Open deck ...</source>
        <translation>&amp;Ouvrir un paquet ...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as ...</source>
        <translation>Enregistrer &amp;sous ...</translation>
    </message>
    <message>
        <source>Print se&amp;tup ...</source>
        <translation>Con&amp;figuration de l&apos;impression ...</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Imprimer ...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view ...</source>
        <translation>&amp;Aperçu avant impression ...</translation>
    </message>
    <message>
        <source>&amp;Export PDF ...</source>
        <translation>E&amp;xporter en PDF ...</translation>
    </message>
    <message>
        <source>&amp;Double-Sided Printing ...</source>
        <translation>Impression &amp;recto verso ...</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet ...</source>
        <translation>Imprimer la feuille d&apos;é&amp;talonnage ...</translation>
    </message>
    <message>
        <source>e&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <source>&amp;Previous card</source>
        <translation>Carte &amp;précédente</translation>
    </message>
    <message>
        <source>Previous card</source>
        <translation>Carte précédente</translation>
    </message>
    <message>
        <source>&amp;Next card</source>
        <translation>Carte &amp;suivante</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Carte suivante</translation>
    </message>
    <message>
        <source>N&amp;ew card</source>
        <translation>&amp;Nouvelle carte</translation>
    </message>
    <message>
        <source>New card after this one</source>
        <translation>Nouvelle carte après celle-ci</translation>
    </message>
    <message>
        <source>&amp;Remove card</source>
        <translation>&amp;Retirer la carte</translation>
    </message>
    <message>
        <source>Remove this card from the deck</source>
        <translation>Retirer cette carte du paquet</translation>
    </message>
    <message>
        <source>&amp;Layout ...</source>
        <translation>&amp;Disposition ...</translation>
    </message>
    <message>
        <source>Re&amp;cord</source>
        <translation>Enregistrer un s&amp;on</translation>
    </message>
    <message>
        <source>Record: then click the picture whose word to record</source>
        <translation>Enregistrer un son&#xa0;: cliquez ensuite sur l&apos;image dont le mot est à enregistrer</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Options ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Help ...</source>
        <translation>&amp;Aide ...</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos ...</translation>
    </message>
    <message>
        <source>Clear all pictures</source>
        <translation>Retirer toutes les images</translation>
    </message>
    <message>
        <source>Edit label</source>
        <translation>Modifier le mot</translation>
    </message>
    <message>
        <source>1 Image Per Page</source>
        <translation>1 image par page</translation>
    </message>
    <message>
        <source>%1 Images Per Page</source>
        <translation>%1 images par page</translation>
    </message>
    <message>
        <source>Portrait Orientation</source>
        <translation>Orientation portrait</translation>
    </message>
    <message>
        <source>Landscape Orientation</source>
        <translation>Orientation paysage</translation>
    </message>
    <message>
        <source>Cut Lines</source>
        <translation>Lignes de coupe</translation>
    </message>
    <message>
        <source>&amp;Labels Off</source>
        <translation>&amp;Mots non</translation>
    </message>
    <message>
        <source>Uppercase Labels</source>
        <translation>Mots en majuscules</translation>
    </message>
    <message>
        <source>Lowercase Labels</source>
        <translation>Mots en minuscules</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button (verb): takes all pictures off the card.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Print Flashcard</source>
        <translation>Imprimer la carte</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Lecteurs</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Fichiers d&apos;images</translation>
    </message>
    <message>
        <source>Card area</source>
        <translation>Zone de la carte</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Cannot keep the label word of card %1, cell %2: %3.</source>
        <translation>Impossible de garder le mot de la carte %1, case %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Turn Labels Off</source>
        <translation>Désactiver les mots</translation>
    </message>
    <message>
        <source>Turn Labels on</source>
        <translation>Activer les mots</translation>
    </message>
    <message>
        <source>&amp;Labels On</source>
        <translation>&amp;Mots oui</translation>
    </message>
    <message>
        <source>Layout %1</source>
        <extracomment>A step of the undo history: the layout&apos;s name, or a grid&apos;s size.</extracomment>
        <translation>Disposition %1</translation>
    </message>
    <message>
        <source>%1 × %2 grid</source>
        <translation>grille %1 × %2</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carte %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The deck %1 uses sheets that are not installed. Their cards keep their pictures and are saved as they are, but cannot be shown or printed here.
%2</source>
        <translation>Le paquet %1 utilise des planches qui ne sont pas installées. Leurs cartes gardent leurs images et sont enregistrées telles quelles, mais ne peuvent être ni affichées ni imprimées ici.
%2</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Niveau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Recording &quot;%1&quot;</source>
        <translation>Enregistrement de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Nothing was heard: the word &quot;%1&quot; was not recorded.</source>
        <translation>Rien n&apos;a été entendu&#xa0;: le mot «&#xa0;%1&#xa0;» n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>The folder %1 can&apos;t be written, and the deck has no folder yet: save the deck, then record again.</source>
        <translation>Impossible d&apos;écrire dans le dossier %1, et le paquet n&apos;a pas encore de dossier&#xa0;: enregistrez le paquet, puis recommencez l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of a question while a word&apos;s recording is saved.</extracomment>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>The folder %1 can&apos;t be written. Save the recording beside the deck instead?</source>
        <translation>Impossible d&apos;écrire dans le dossier %1. Enregistrer plutôt le son à côté du paquet&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Record word</source>
        <translation>Enregistrer le &amp;son</translation>
    </message>
    <message>
        <source>&amp;Edit word</source>
        <translation>&amp;Modifier le mot</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Écrit dans %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 was not written</source>
        <translation>Annulé&#xa0;: %1 n’a pas été écrit</translation>
    </message>
    <message>
        <source>Sent to the printer %1</source>
        <translation>Envoyé à l’imprimante %1</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>Impression annulée</translation>
    </message>
    <message>
        <source>Deck P&amp;roperties ...</source>
        <translation>P&amp;ropriétés du paquet ...</translation>
    </message>
    <message>
        <source>Pictures that did not fit on the new layout: %1 (Undo brings them back)</source>
        <translation>Images qui ne tenaient pas dans la nouvelle disposition&#xa0;: %1 (Annuler les rétablit)</translation>
    </message>
    <message>
        <source>Recorded &quot;%1&quot; in %2</source>
        <translation>«&#xa0;%1&#xa0;» enregistré dans %2</translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be removed: %2</source>
        <translation>La copie de récupération %1 n&apos;a pas pu être supprimée&#xa0;: %2</translation>
    </message>
    <message>
        <source>A symbol&apos;s word is kept beside the deck: save the deck, then record.</source>
        <translation>Le mot d&apos;un symbole est gardé à côté du paquet&#xa0;: enregistrez le paquet, puis enregistrez le mot.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Cards from &amp;Words ...</source>
        <translation>Cartes à partir de &amp;mots ...</translation>
    </message>
    <message>
        <source>Cards from Words</source>
        <translation>Cartes à partir de mots</translation>
    </message>
    <message>
        <source>Add activity</source>
        <translation>Ajouter un jeu</translation>
    </message>
    <message>
        <source>Make &amp;Activity ...</source>
        <translation>Créer un &amp;jeu ...</translation>
    </message>
</context>
<context>
    <name>ferlo::TdlgOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Options d&apos;impression</translation>
    </message>
    <message>
        <source>Print as DIB</source>
        <translation>Imprimer en DIB</translation>
    </message>
    <message>
        <source>Print image as original format</source>
        <translation>Imprimer au format d&apos;origine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Spee&amp;ch ...</source>
        <translation>&amp;Voix ...</translation>
    </message>
    <message>
        <source>&amp;Reopen the last deck on start</source>
        <translation>&amp;Rouvrir le dernier paquet au démarrage</translation>
    </message>
    <message>
        <source>Sym&amp;bols ...</source>
        <translation>&amp;Symboles ...</translation>
    </message>
</context>
<context>
    <name>ferlo::TdlgSpeech</name>
    <message>
        <source>Speech</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>&amp;Speak words that have no recording</source>
        <translation>&amp;Prononcer les mots sans enregistrement</translation>
    </message>
    <message>
        <source> words per minute</source>
        <translation> mots par minute</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voix&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Débit&#xa0;:</translation>
    </message>
    <message>
        <source>The deck&apos;s or the program&apos;s language</source>
        <translation>La langue du paquet ou du programme</translation>
    </message>
</context>
</TS>
