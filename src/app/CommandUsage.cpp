#include "app/CommandUsage.h"

#include <QCoreApplication>

#include <cstdio>

namespace ferlo {

namespace {

const char* const usageText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: ferlo --print-to OUT.pdf [options] PICTURE|DECK...\n"
    "       ferlo [card options] [PICTURE|DECK...]\n"
    "       ferlo --speak-to DIR [--voice NAME] [--rate WPM] PICTURE|DECK...\n"
    "\n"
    "Writes the pictures as flash cards into a PDF file, without opening a window. The pictures\n"
    "fill the cells of a page in the order given; more pictures than a page holds continue on\n"
    "further pages, each page laid out exactly as one Print lays it out.\n"
    "\n"
    "Without --print-to the window opens with the pictures on a card laid out as the card\n"
    "options say (--per-page to --backs, and the grid and sheet options --grid to\n"
    "--outlines below); --flip, --back-offset, --fold-over, --page-size, --resolution,\n"
    "--print-as-dib and --print-as-original apply only with --print-to.\n"
    "\n"
    "Options:\n"
    "  --print-to OUT.pdf     the PDF file to write (required); it is replaced only when\n"
    "                         the whole document has been written\n"
    "  --per-page N           pictures per page: 1, 2, 4, 6 or 8 (default 4); given with\n"
    "                         a DECK it wins over the deck's own counts (see below)\n"
    "  --portrait             portrait pages\n"
    "  --landscape            landscape pages (the default)\n"
    "  --labels-off           no label words under the pictures\n"
    "  --lowercase            label words in lower case (default upper case)\n"
    "  --cutlines-off         no frame and no cut lines\n"
    "  --backs                after each page a back page with each picture's word in\n"
    "                         the mirrored cell, for double-sided printing (in the window:\n"
    "                         checks File > Print Word Backs, which is remembered)\n"
    "  --flip long|short      the edge the sheet is turned over on to read the backs\n"
    "                         (default: a deck's own choice, else the long edge for\n"
    "                         portrait cards and the short edge for landscape ones)\n"
    "  --back-offset X,Y      move every back page by X mm to the right and Y mm down,\n"
    "                         -10 to 10 each, so that the backs meet their fronts\n"
    "  --fold-over            instead of back pages, each front and its word on one sheet\n"
    "                         to fold in the middle (2 or more pictures per page)\n"
    "  --page-size SIZE       A4, Letter, A5 or Legal (default A4)\n"
    "  --resolution DPI       device pixels per inch, 72 to 1200 (default 600)\n"
    "  --print-as-dib         draw pictures through their device-independent form\n"
    "  --print-as-original    draw pictures as decoded\n"
    "                         (default: the stored print option)\n"
    "  --grid CxR             a grid of C columns and R rows (1 to 10 each) in place of\n"
    "                         --per-page; the page is divided evenly unless --card-size\n"
    "  --card-size WxH        the grid's cards at this size, centred, such as 2inx2in or\n"
    "                         85x55mm (units mm, cm, in, pt)\n"
    "  --gap LENGTH           the gap between the grid's cards, such as 3mm (or AxDmm)\n"
    "  --paper PAPER          the grid's paper: A4, A5, A3, Letter, Legal or WxH with a\n"
    "                         unit (default Letter); --portrait and --landscape turn it\n"
    "  --sheet \"BRAND PART\"   a label or card sheet of the installed sheet templates\n"
    "                         (package glabels-data), such as \"Avery 5371\"\n"
    "  --fill                 crop each picture to fill its area (default: fit it)\n"
    "  --bleed LENGTH         filled pictures run this far past the trim, 0 to 6 mm\n"
    "  --outlines             a thin line along each card's edge\n"
    "  --list-sheets [TEXT]   list the installed sheets whose brand, part number or\n"
    "                         description hold TEXT: brand, part, description, label\n"
    "                         size and labels per sheet\n"
    "  --speak-to DIR         instead of a PDF, write DIR/WORD.wav for every word of the\n"
    "                         pictures and decks that has no recording, spoken by the\n"
    "                         speech engine; prints each file written\n"
    "  --voice NAME           with --speak-to: the voice, a language such as en-GB or de\n"
    "                         (default: a deck's language, else the program's)\n"
    "  --rate WPM             with --speak-to: words per minute, 80 to 450 (default 175)\n"
    "  --list-symbols WORD    list the symbols a word finds, best first, in the language\n"
    "                         of --lang: hexcode, name and keywords (a file of the\n"
    "                         user's symbol folders: its path, its word)\n"
    "  --lang CODE            the language of the program's texts and messages, such as\n"
    "                         de, es, fr or ar (default: FERLO_LANG, else the system's;\n"
    "                         en for English)\n"
    "  --quiet                no \"page n of m\" progress on standard error (shown only\n"
    "                         when standard error is a terminal)\n"
    "  --help                 show this text\n"
    "  --version              show the program's name and version (ferlo VERSION)\n"
    "  --                     what follows are pictures, even if they begin with '-'\n"
    "\n"
    "The label word of a picture is its file name without folder, extension and trailing\n"
    "digits.\n"
    "\n"
    "A DECK is a deck file (a name ending in .ferlo): each of its cards prints as one page in\n"
    "the card's own count, orientation and switches, with its own label words. Inputs print\n"
    "in the order given; pictures given between decks fill pages of their own as above.\n"
    "With --per-page N the deck is laid out anew, as Card > Change Layout of All Cards does:\n"
    "its pictures in order, with their words, fill pages of N, in its first card's switches\n"
    "and orientation (or the one --portrait or --landscape gives). The file is not changed.\n"
    "\n"
    "A name after --print-to that does not end in .pdf gets .pdf added, unless it is a PDF\n"
    "already. An output that is one of the inputs, or an existing file that is not a PDF,\n"
    "is refused, so that a forgotten name (--print-to *.jpg) cannot replace a picture.\n"
    "\n"
    "Exit status: 0 when the PDF or every spoken word was written, 2 for a bad command line\n"
    "or an unknown voice, 1 when a picture or deck could not be loaded or a file could not\n"
    "be written (a full disk included: an old file of that name is then kept as it was).\n");

// The cards made from words (WordCards.h), printed after the pictures and decks given.
const char* const wordsUsageText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Cards from words:\n"
    "  --words \"W1, W2, ...\"  a card cell for each word or phrase (separated by commas):\n"
    "                         a picture named after it in a --pictures folder, else the\n"
    "                         best symbol of the installed OpenMoji set for it, searched\n"
    "                         in the language of --lang (else the program's), then in\n"
    "                         English and the other languages; the label is the word as\n"
    "                         typed. A word that finds nothing is named, and nothing is\n"
    "                         written (exit status 1)\n"
    "  --words-from FILE      the words of a UTF-8 text file, one word or phrase a line\n"
    "  --pictures DIR         a folder whose pictures are named after words (dog.jpg,\n"
    "                         Dog2.png for \"dog\"); may be given more than once\n"
    "  --line-art             the symbols' black line art instead of their colours\n"
    "All layout options apply; without --per-page the words take the smallest count that\n"
    "holds them all (up to 8). The word cards print after the pictures and decks given.\n");

// The games made from the pictures (ActivityOptions.h).
const char* const activityUsageText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Games:\n"
    "  --activity KIND        a game of the pictures given and the decks' pictures in place\n"
    "                         of cards: memory (each picture twice), match (each picture\n"
    "                         and a card of its word), lotto (boards and calling cards)\n"
    "                         or bingo (boards, a caller's sheet and calling cards)\n"
    "  --boards N             lotto and bingo: how many boards, 1 to 500 (default 1)\n"
    "  --board CxR            a board's columns and rows (bingo: 3x3, 4x4 or 5x5, default\n"
    "                         5x5; lotto: 1 to 6 each, default 3x3)\n"
    "  --free-centre [WORD]   bingo: the middle cell is free and shows WORD (default\n"
    "                         \"Free\"); --free-centre=FILE shows the picture FILE\n"
    "  --seed N               lotto and bingo: the boards are drawn from N (a whole\n"
    "                         number); the same N gives the same boards (default: a new\n"
    "                         seed, printed with each board's number)\n"
    "  --back-picture FILE    memory and match: FILE on the back of every card (--backs\n"
    "                         alone: a plain pattern), placed by --flip and --back-offset\n"
    "Boards print on the paper of --page-size (or --paper); the cards of memory and match\n"
    "and the calling cards on the layout of --per-page, --grid or --sheet, with the label\n"
    "options. Pictures too few for a board, or for as many different boards as asked, are\n"
    "named and nothing is written (exit status 1).\n");

} // namespace

void printUsage() {
    for (const char* text : {usageText, wordsUsageText, activityUsageText}) {
        if (text != usageText)
            std::fputs("\n", stdout);
        std::fputs(QCoreApplication::translate("CommandLine", text).toLocal8Bit().constData(),
                   stdout);
    }
    std::fflush(stdout);
}

} // namespace ferlo
