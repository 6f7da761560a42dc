<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Activities</name>
    <message>
        <source>The deck has %1 different pictures, but a %2 × %3 board needs %4.</source>
        <translation>في الرزمة %1 صورة مختلفة، لكن لوحة %2 × %3 تحتاج إلى %4.</translation>
    </message>
    <message>
        <source>The deck&apos;s %1 pictures make only %2 different boards of %3 pictures: ask for fewer boards or add pictures.</source>
        <translation>صور الرزمة الـ %1 لا تكوّن إلا %2 لوحة مختلفة من %3 صورة: اطلب لوحات أقل أو أضف صورًا.</translation>
    </message>
    <message>
        <source>A game has 1 to %1 boards, not %2.</source>
        <translation>للعبة من 1 إلى %1 لوحة، لا %2.</translation>
    </message>
    <message>
        <source>A bingo board is 3 × 3, 4 × 4 or 5 × 5, not %1 × %2.</source>
        <translation>لوحة البنغو 3 × 3 أو 4 × 4 أو 5 × 5، لا %1 × %2.</translation>
    </message>
    <message>
        <source>A lotto board has 1 to %3 columns and rows and at least 2 cards, not %1 × %2.</source>
        <translation>للوحة اللوتو من 1 إلى %3 أعمدة وصفوف وبطاقتان على الأقل، لا %1 × %2.</translation>
    </message>
    <message>
        <source>A %1 × %2 board has no centre cell to leave free.</source>
        <translation>لا خانة وسطى في لوحة %1 × %2 لتُترك حرة.</translation>
    </message>
    <message>
        <source>There are no pictures to make a game of.</source>
        <translation>لا صور لصنع لعبة منها.</translation>
    </message>
    <message>
        <source>Board %1 (game %2)</source>
        <translation>اللوحة %1 (اللعبة %2)</translation>
    </message>
    <message>
        <source>Caller&apos;s sheet (game %1)</source>
        <translation>ورقة المنادي (اللعبة %1)</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>حرة</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>BACK. Hold the sheet to the light with this side towards you.
Where the front&apos;s line crosses the top scale is X; where it crosses the left scale is Y.
Type X and Y as the back offset (File &gt; Double-Sided Printing).</source>
        <translation>الظهر. أمسك الورقة أمام الضوء وهذا الوجه نحوك.
حيث يقطع خط الوجه المسطرة العليا هو X؛ وحيث يقطع المسطرة اليسرى هو Y.
اكتب X وY إزاحةً للظهر (ملف &gt; الطباعة على الوجهين).</translation>
    </message>
    <message>
        <source>FRONT of the calibration sheet.
Print it double-sided, as you print cards with word backs, then turn it over.</source>
        <translation>وجه ورقة المعايرة.
اطبعها على الوجهين كما تطبع البطاقات مع الكلمات على الظهر، ثم اقلبها.</translation>
    </message>
</context>
<context>
    <name>CardLayout</name>
    <message>
        <source>%1 landscape</source>
        <translation>%1 عرضي</translation>
    </message>
    <message>
        <source>%1 portrait</source>
        <translation>%1 طولي</translation>
    </message>
    <message>
        <source>%1 × %2 mm paper landscape</source>
        <translation>ورق %1 × %2 mm عرضي</translation>
    </message>
    <message>
        <source>%1 × %2 mm paper portrait</source>
        <translation>ورق %1 × %2 mm طولي</translation>
    </message>
    <message>
        <source>A grid has 1 to 10 columns and 1 to 10 rows, not %1 × %2.</source>
        <translation>للشبكة من 1 إلى 10 أعمدة ومن 1 إلى 10 صفوف، لا %1 × %2.</translation>
    </message>
    <message>
        <source>The paper must be more than 0 and at most 1000 mm on either side, not %1 × %2 mm.</source>
        <translation>يجب أن يكون كل جانب من الورق أكبر من 0 وألا يزيد على 1000 mm، لا %1 × %2 mm.</translation>
    </message>
    <message>
        <source>A card needs a width and a height above 0 and gaps of 0 or more.</source>
        <translation>تحتاج البطاقة إلى عرض وارتفاع أكبر من 0 وإلى فواصل من 0 أو أكثر.</translation>
    </message>
    <message>
        <source>%1 × %2 cards of %3 × %4 mm with their gaps need %5 × %6 mm, more than the %7 × %8 mm that can be printed on %9.</source>
        <translation>%1 × %2 بطاقة بحجم %3 × %4 mm مع فواصلها تحتاج إلى %5 × %6 mm، أي أكثر من %7 × %8 mm التي يمكن طباعتها على %9.</translation>
    </message>
    <message>
        <source>A margin of %1 mm leaves no room on %2.</source>
        <translation>هامش %1 mm لا يترك مكانًا على %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the option --%1 needs a value</source>
        <translation>الخيار --%1 يحتاج إلى قيمة</translation>
    </message>
    <message>
        <source>unknown option %1 (see ferlo --help)</source>
        <translation>خيار غير معروف %1 (انظر ferlo --help)</translation>
    </message>
    <message>
        <source>the option --%1 takes no value</source>
        <translation>الخيار --%1 لا يأخذ قيمة</translation>
    </message>
    <message>
        <source>bad page size &quot;%1&quot;: use A4, Letter, A5 or Legal</source>
        <translation>حجم صفحة خاطئ &quot;%1&quot;: استخدم A4 أو Letter أو A5 أو Legal</translation>
    </message>
    <message>
        <source>bad --back-offset &quot;%1&quot;: use X,Y in millimetres, each from -10 to 10 (e.g. 1.5,-2)</source>
        <translation>قيمة --back-offset خاطئة &quot;%1&quot;: استخدم X,Y بالمليمتر، كلٌّ من -10 إلى 10 (مثل 1.5,-2)</translation>
    </message>
    <message>
        <source>the option --print-to needs a file name</source>
        <translation>الخيار --print-to يحتاج إلى اسم ملف</translation>
    </message>
    <message>
        <source>bad number of pictures per page &quot;%1&quot;: use 1, 2, 4, 6 or 8</source>
        <translation>عدد صور في الصفحة خاطئ &quot;%1&quot;: استخدم 1 أو 2 أو 4 أو 6 أو 8</translation>
    </message>
    <message>
        <source>bad --flip &quot;%1&quot;: use long or short</source>
        <translation>قيمة --flip خاطئة &quot;%1&quot;: استخدم long أو short</translation>
    </message>
    <message>
        <source>bad resolution &quot;%1&quot;: use 72 to 1200 dots per inch</source>
        <translation>دقة خاطئة &quot;%1&quot;: استخدم من 72 إلى 1200 نقطة في البوصة</translation>
    </message>
    <message>
        <source>no output file: give --print-to OUT.pdf</source>
        <translation>لا ملف للإخراج: أعطِ --print-to OUT.pdf</translation>
    </message>
    <message>
        <source>no pictures to print</source>
        <translation>لا صور للطباعة</translation>
    </message>
    <message>
        <source>cannot load the picture %1: %2</source>
        <translation>تعذّر تحميل الصورة ‎%1‎: %2</translation>
    </message>
    <message>
        <source>Nothing to print: the deck files hold no cards</source>
        <translation>لا شيء للطباعة: ملفات الرزم لا تحوي أي بطاقة</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --print-to</source>
        <translation>الخيار --%1 لا يعمل إلا مع --print-to</translation>
    </message>
    <message>
        <source>ferlo: %1: the picture is damaged and shows only in part</source>
        <translation>ferlo: ‎%1‎: الصورة تالفة ولا يظهر إلا جزء منها</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --%2: %3</source>
        <translation>قيمة خاطئة &quot;%1&quot; للخيار --%2: %3</translation>
    </message>
    <message>
        <source>give a brand and part number, such as &quot;Avery 5371&quot; (see --list-sheets)</source>
        <translation>أعطِ علامة تجارية ورقم قطعة، مثل &quot;Avery 5371&quot; (انظر --list-sheets)</translation>
    </message>
    <message>
        <source>use COLUMNSxROWS, each 1 to 10, such as 4x5</source>
        <translation>استخدم COLUMNSxROWS، كلٌّ من 1 إلى 10، مثل 4x5</translation>
    </message>
    <message>
        <source>use WIDTHxHEIGHT with a unit mm, cm, in or pt, such as 2inx2in or 85x55mm</source>
        <translation>استخدم WIDTHxHEIGHT مع وحدة mm أو cm أو in أو pt، مثل 2inx2in أو 85x55mm</translation>
    </message>
    <message>
        <source>use a length with a unit such as 3mm or 0.125in, or ACROSSxDOWN such as 3x5mm</source>
        <translation>استخدم طولًا مع وحدة مثل 3mm أو 0.125in، أو ACROSSxDOWN مثل 3x5mm</translation>
    </message>
    <message>
        <source>use A4, A5, A3, Letter, Legal, or WIDTHxHEIGHT with a unit, such as 100x150mm or 4inx6in</source>
        <translation>استخدم A4 أو A5 أو A3 أو Letter أو Legal، أو WIDTHxHEIGHT مع وحدة، مثل 100x150mm أو 4inx6in</translation>
    </message>
    <message>
        <source>a paper is at most 1000 mm on either side</source>
        <translation>لا يزيد أي جانب من الورق على 1000 mm</translation>
    </message>
    <message>
        <source>use 0 to 6 mm with a unit, such as 3mm</source>
        <translation>استخدم من 0 إلى 6 mm مع وحدة، مثل 3mm</translation>
    </message>
    <message>
        <source>the option --%1 needs %2</source>
        <translation>الخيار --%1 يحتاج إلى %2</translation>
    </message>
    <message>
        <source>--grid or --sheet</source>
        <translation>--grid أو --sheet</translation>
    </message>
    <message>
        <source>give either --grid or --sheet, not both</source>
        <translation>أعطِ --grid أو --sheet، لا كليهما</translation>
    </message>
    <message>
        <source>--grid (a sheet has its own paper and labels)</source>
        <translation>--grid (للورقة ورقها وملصقاتها الخاصة)</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for --sheet: %2</source>
        <translation>قيمة خاطئة &quot;%1&quot; للخيار --sheet: %2</translation>
    </message>
    <message>
        <source>--card-size (without it the page is divided evenly)</source>
        <translation>--card-size (بدونه تُقسم الصفحة بالتساوي)</translation>
    </message>
    <message>
        <source>the grid does not fit: %1</source>
        <translation>الشبكة لا تتسع: %1</translation>
    </message>
    <message>
        <source>round </source>
        <translation>مستدير </translation>
    </message>
    <message>
        <source>ellipse </source>
        <translation>بيضوي </translation>
    </message>
    <message>
        <source>%1	%2	%3	%4%5 x %6 mm	%7 per sheet</source>
        <translation>%1	%2	%3	%4%5 x %6 mm	%7 في الورقة</translation>
    </message>
    <message>
        <source>No installed sheet matches &quot;%1&quot;.</source>
        <translation>لا ورقة مثبّتة تطابق &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ferlo: the speech engine or its voices are not installed (espeak-ng-data)</source>
        <translation>ferlo: محرك النطق أو أصواته غير مثبّتة (espeak-ng-data)</translation>
    </message>
    <message>
        <source>ferlo: unknown voice &quot;%1&quot;; the voices are: %2</source>
        <translation>ferlo: صوت غير معروف &quot;%1&quot;؛ الأصوات هي: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>تعذّر إنشاء المجلد ‎%1‎</translation>
    </message>
    <message>
        <source>the option --speak-to needs a folder name</source>
        <translation>الخيار --speak-to يحتاج إلى اسم مجلد</translation>
    </message>
    <message>
        <source>bad rate &quot;%1&quot;: use %2 to %3 words per minute</source>
        <translation>سرعة خاطئة &quot;%1&quot;: استخدم من %2 إلى %3 كلمة في الدقيقة</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --speak-to</source>
        <translation>الخيار --%1 لا يعمل إلا مع --speak-to</translation>
    </message>
    <message>
        <source>will not write over %1: it is one of the inputs; give the PDF&apos;s name after --print-to, such as --print-to cards.pdf</source>
        <translation>لن يُكتب فوق %1: إنه أحد المدخلات؛ أعطِ اسم ملف PDF بعد --print-to، مثل --print-to cards.pdf</translation>
    </message>
    <message>
        <source>will not write over %1: it is not a PDF; give the PDF&apos;s name after --print-to, such as --print-to cards.pdf</source>
        <translation>لن يُكتب فوق %1: إنه ليس ملف PDF؛ أعطِ اسم ملف PDF بعد --print-to، مثل --print-to cards.pdf</translation>
    </message>
    <message>
        <source>give either --print-to or --speak-to, not both</source>
        <translation>أعطِ إما --print-to أو --speak-to، لا كليهما</translation>
    </message>
    <message>
        <source>the option --%1 does not apply with --speak-to</source>
        <translation>الخيار --%1 لا يعمل مع --speak-to</translation>
    </message>
    <message>
        <source>no words to speak: give pictures or decks after --speak-to DIR</source>
        <translation>لا كلمات لنطقها: أعطِ صورًا أو رزمًا بعد --speak-to DIR</translation>
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
        <translation>بطاقات من كلمات:
  --words &quot;W1, W2, ...&quot;  خلية بطاقة لكل كلمة أو عبارة (مفصولة بفواصل): صورة تحمل اسمها
                         في مجلد --pictures، وإلا فأفضل رمز من مجموعة OpenMoji المثبتة،
                         يُبحث عنه بلغة --lang (وإلا فبلغة البرنامج)، ثم بالإنجليزية
                         وباللغات الأخرى؛ التسمية هي الكلمة كما كُتبت. الكلمة التي لا
                         تجد شيئًا تُذكر، ولا يُكتب شيء (حالة الخروج 1)
  --words-from FILE      كلمات ملف نصي بترميز UTF-8، كلمة أو عبارة في كل سطر
  --pictures DIR         مجلد صوره مسماة بأسماء كلمات (dog.jpg و Dog2.png لـ &quot;dog&quot;)؛
                         يمكن إعطاؤه أكثر من مرة
  --line-art             الرسم الخطي الأسود للرموز بدلًا من ألوانها
تنطبق كل خيارات التخطيط؛ دون --per-page تأخذ الكلمات أصغر عدد يسعها كلها (حتى 8).
تُطبع بطاقات الكلمات بعد الصور والرزم المعطاة.
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
        <translation>الاستخدام: ferlo --print-to OUT.pdf [options] PICTURE|DECK...
         ferlo [card options] [PICTURE|DECK...]
         ferlo --speak-to DIR [--voice NAME] [--rate WPM] PICTURE|DECK...

يكتب الصور بطاقاتٍ تعليمية في ملف PDF دون أن يفتح نافذة. تملأ الصور أماكن الصفحة
بالترتيب المعطى؛ وما يزيد على ما تسعه الصفحة يستمر في صفحات أخرى، وكل صفحة مرتّبة
تمامًا كما يرتّبها أمر الطباعة.

دون --print-to تُفتح النافذة والصور على بطاقة مرتّبة كما تقول خيارات البطاقة
‏(من --per-page إلى --backs، وخيارات الشبكة والورقة من --grid إلى --outlines أدناه)؛
أما --flip و--back-offset و--fold-over و--page-size و--resolution و--print-as-dib
و--print-as-original فلا تعمل إلا مع --print-to.

الخيارات:
  --print-to OUT.pdf     ملف PDF الذي يُكتب (مطلوب)؛ ولا يُستبدل إلا بعد أن
                         يُكتب المستند كله
  --per-page N           عدد الصور في الصفحة: 1 أو 2 أو 4 أو 6 أو 8 (الافتراضي 4)؛
                         ومع رزمة DECK يتقدّم على أعداد الرزمة نفسها (انظر أدناه)
  --portrait             صفحات طولية
  --landscape            صفحات عرضية (الافتراضي)
  --labels-off           دون كلمات تحت الصور
  --lowercase            الكلمات بالأحرف الصغيرة (الافتراضي: الأحرف الكبيرة)
  --cutlines-off         دون إطار ودون خطوط قص
  --backs                بعد كل صفحة صفحة خلفية فيها كلمة كل صورة في المكان
                         المعكوس، للطباعة على الوجهين (في النافذة: يعلّم
                         ملف &gt; طباعة الكلمات على الظهر، ويُتذكَّر)
  --flip long|short      الحافة التي تُقلب عليها الورقة لقراءة الظهور
                         (الافتراضي: اختيار الرزمة، وإلا فالحافة الطويلة للبطاقات
                         الطولية والحافة القصيرة للبطاقات العرضية)
  --back-offset X,Y      يزيح كل صفحة خلفية X mm إلى اليمين وY mm إلى الأسفل،
                         كلٌّ من -10 إلى 10، لتطابق الظهور وجوهها
  --fold-over            بدل الصفحات الخلفية، كل وجه وكلمته على ورقة واحدة
                         تُثنى من المنتصف (صورتان أو أكثر في الصفحة)
  --page-size SIZE       A4 أو Letter أو A5 أو Legal (الافتراضي A4)
  --resolution DPI       بكسلات الجهاز في البوصة، من 72 إلى 1200 (الافتراضي 600)
  --print-as-dib         يرسم الصور عبر صيغتها المستقلة عن الجهاز
  --print-as-original    يرسم الصور كما فُكّ ترميزها
                         (الافتراضي: خيار الطباعة المحفوظ)
  --grid CxR             شبكة من C عمودًا وR صفًّا (من 1 إلى 10 لكلٍّ) بدل
                         --per-page؛ تُقسم الصفحة بالتساوي ما لم يُعطَ --card-size
  --card-size WxH        بطاقات الشبكة بهذا الحجم، في الوسط، مثل 2inx2in أو
                         85x55mm (الوحدات mm وcm وin وpt)
  --gap LENGTH           الفاصل بين بطاقات الشبكة، مثل 3mm (أو AxDmm)
  --paper PAPER          ورق الشبكة: A4 أو A5 أو A3 أو Letter أو Legal أو WxH مع
                         وحدة (الافتراضي Letter)؛ و--portrait و--landscape يديرانه
  --sheet &quot;BRAND PART&quot;   ورقة ملصقات أو بطاقات من قوالب الأوراق المثبّتة
                         ‏(الحزمة glabels-data)، مثل &quot;Avery 5371&quot;
  --fill                 يقصّ كل صورة لتملأ مساحتها (الافتراضي: ملاءمتها)
  --bleed LENGTH         تمتد الصور المالئة هذا القدر بعد حد القص، من 0 إلى 6 mm
  --outlines             خط رفيع على طول حافة كل بطاقة
  --list-sheets [TEXT]   يسرد الأوراق المثبّتة التي تحوي علامتها التجارية أو رقم
                         القطعة أو الوصف TEXT: العلامة، والقطعة، والوصف، وحجم
                         الملصق، وعدد الملصقات في الورقة
  --speak-to DIR         بدل ملف PDF، يكتب DIR/WORD.wav لكل كلمة من الصور والرزم
                         ليس لها تسجيل، ينطقها محرّك الكلام؛ ويذكر كل ملف كتبه
  --voice NAME           مع --speak-to: الصوت، لغةٌ مثل en-GB أو de (الافتراضي:
                         لغة الرزمة، وإلا لغة البرنامج)
  --rate WPM             مع --speak-to: الكلمات في الدقيقة، من 80 إلى 450 (الافتراضي 175)
  --list-symbols WORD    الرموز التي تجدها كلمة، الأفضل أولًا، بلغة --lang: الرمز
                         الست عشري والاسم والكلمات المفتاحية (ملف من مجلدات رموز
                         المستخدم: مساره وكلمته)
  --lang CODE            لغة نصوص البرنامج ورسائله، مثل de أو es أو fr أو ar
                         ‏(الافتراضي: FERLO_LANG، وإلا فلغة النظام؛ en للإنجليزية)
  --quiet                دون تقدّم &quot;page n of m&quot; على الخطأ القياسي (لا يظهر إلا
                         حين يكون الخطأ القياسي طرفية)
  --help                 يعرض هذا النص
  --version              يعرض اسم البرنامج وإصداره (ferlo VERSION)
  --                     ما يلي صور، حتى لو بدأت بـ &apos;-&apos;

كلمة الصورة هي اسم ملفها دون المجلد والامتداد والأرقام في آخره.

رزمة DECK هي ملف رزمة (اسم ينتهي بـ .ferlo): كل بطاقة فيها تُطبع صفحةً واحدة بعدد
صورها واتجاهها ومفاتيحها، وبكلماتها. تُطبع المدخلات بالترتيب المعطى؛ والصور المعطاة
بين الرزم تملأ صفحات خاصة بها كما سبق.
مع --per-page N تُرتّب الرزمة من جديد، كما يفعل بطاقة &gt; تغيير تخطيط كل البطاقات:
صورها بالترتيب، مع كلماتها، تملأ صفحات من N، بمفاتيح بطاقتها الأولى واتجاهها
‏(أو الاتجاه الذي يعطيه --portrait أو --landscape). ولا يتغيّر الملف.

الاسم بعد --print-to الذي لا ينتهي بـ .pdf تُضاف إليه .pdf، إلا إن كان ملف PDF أصلًا.
ويُرفض مُخرَج هو أحد المدخلات، أو ملف موجود ليس PDF، حتى لا يحلّ اسمٌ منسيّ
‏(--print-to *.jpg) محلّ صورة.

حالة الخروج: 0 حين كُتب ملف PDF أو كل كلمة منطوقة، و2 لسطر أوامر خاطئ أو صوت غير
معروف، و1 حين تعذّر تحميل صورة أو رزمة أو تعذّرت كتابة ملف (ومنه امتلاء القرص: يبقى
عندئذ الملف القديم بهذا الاسم كما كان).
</translation>
    </message>
    <message>
        <source>bad --board &quot;%1&quot;: use columns x rows, such as 5x5</source>
        <translation>قيمة ‎--board‏ «%1» غير صالحة: استخدم أعمدة x صفوف، مثل 5x5</translation>
    </message>
    <message>
        <source>bad --activity &quot;%1&quot;: use memory, match, lotto or bingo</source>
        <translation>قيمة ‎--activity‏ «%1» غير صالحة: استخدم memory أو match أو lotto أو bingo</translation>
    </message>
    <message>
        <source>bad number of boards &quot;%1&quot;: use 1 to 500</source>
        <translation>عدد لوحات غير صالح «%1»: استخدم من 1 إلى 500</translation>
    </message>
    <message>
        <source>bad --seed &quot;%1&quot;: use a whole number from 0 to 18446744073709551615</source>
        <translation>قيمة ‎--seed‏ «%1» غير صالحة: استخدم عددًا صحيحًا من 0 إلى 18446744073709551615</translation>
    </message>
    <message>
        <source>the option --back-picture needs a file name</source>
        <translation>الخيار ‎--back-picture‏ يحتاج إلى اسم ملف</translation>
    </message>
    <message>
        <source>the option --%1 applies only with --activity</source>
        <translation>الخيار ‎--%1‏ لا يسري إلا مع ‎--activity‏</translation>
    </message>
    <message>
        <source>the option --%1 does not apply to --activity %2</source>
        <translation>الخيار ‎--%1‏ لا يسري على ‎--activity %2‏</translation>
    </message>
    <message>
        <source>--fold-over, --words and --words-from do not apply with --activity</source>
        <translation>‎--fold-over‏ و‎--words‏ و‎--words-from‏ لا تسري مع ‎--activity‏</translation>
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
        <translation>الألعاب:
  --activity KIND        لعبة من الصور المعطاة وصور الرزم بدل البطاقات: memory (كل صورة
                         مرتين)، match (كل صورة وبطاقة بكلمتها)، lotto (لوحات وبطاقات
                         للنداء) أو bingo (لوحات وورقة المنادي وبطاقات للنداء)
  --boards N             lotto وbingo: عدد اللوحات، من 1 إلى 500 (الافتراضي 1)
  --board CxR            أعمدة اللوحة وصفوفها (bingo: ‏3x3 أو 4x4 أو 5x5، الافتراضي
                         5x5؛ lotto: من 1 إلى 6 لكل منهما، الافتراضي 3x3)
  --free-centre [WORD]   bingo: الخانة الوسطى حرة وتعرض WORD (الافتراضي &quot;حرة&quot;)؛
                         --free-centre=FILE يعرض الصورة FILE
  --seed N               lotto وbingo: تُسحب اللوحات من N (عدد صحيح)؛ العدد نفسه يعطي
                         اللوحات نفسها (الافتراضي: عدد جديد يُطبع مع رقم كل لوحة)
  --back-picture FILE    memory وmatch: الملف FILE على ظهر كل بطاقة (‎--backs‏ وحده:
                         نقش بسيط)، موضوعًا حسب ‎--flip‏ و‎--back-offset‏
تُطبع اللوحات على ورق ‎--page-size‏ (أو ‎--paper‏)، وبطاقات memory وmatch وبطاقات النداء
بتخطيط ‎--per-page‏ أو ‎--grid‏ أو ‎--sheet‏ مع خيارات التسميات. إن قلّت الصور عن لوحة
أو عن عدد اللوحات المختلفة المطلوب، يُذكر ذلك ولا يُكتب شيء (رمز الخروج 1).
</translation>
    </message>
</context>
<context>
    <name>DeckEdit</name>
    <message>
        <source>Clear card %1</source>
        <translation>مسح البطاقة %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>نقل %1</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>وضع %1</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>إزالة %1</translation>
    </message>
    <message>
        <source>Edit word %1</source>
        <translation>تحرير الكلمة %1</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>تسجيل %1</translation>
    </message>
    <message>
        <source>Place %1 pictures</source>
        <translation>وضع %1 من الصور</translation>
    </message>
    <message>
        <source>Change card %1</source>
        <translation>تغيير البطاقة %1</translation>
    </message>
    <message>
        <source>Change layout of card %1</source>
        <translation>تغيير تخطيط البطاقة %1</translation>
    </message>
    <message>
        <source>1 picture per card</source>
        <translation>صورة واحدة في البطاقة</translation>
    </message>
    <message>
        <source>%1 pictures per card</source>
        <translation>الصور في البطاقة: %1</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>طولي</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>عرضي</translation>
    </message>
    <message>
        <source>Labels on</source>
        <translation>تشغيل الكلمات</translation>
    </message>
    <message>
        <source>Labels off</source>
        <translation>إيقاف الكلمات</translation>
    </message>
    <message>
        <source>Uppercase labels</source>
        <translation>كلمات بأحرف كبيرة</translation>
    </message>
    <message>
        <source>Lowercase labels</source>
        <translation>كلمات بأحرف صغيرة</translation>
    </message>
    <message>
        <source>Cut lines on</source>
        <translation>إظهار خطوط القص</translation>
    </message>
    <message>
        <source>Cut lines off</source>
        <translation>إخفاء خطوط القص</translation>
    </message>
    <message>
        <source>New card</source>
        <translation>بطاقة جديدة</translation>
    </message>
    <message>
        <source>Remove card %1</source>
        <translation>إزالة البطاقة %1</translation>
    </message>
    <message>
        <source>Move card %1</source>
        <translation>نقل البطاقة %1</translation>
    </message>
    <message>
        <source>Move picture to card %1</source>
        <translation>نقل الصورة إلى البطاقة %1</translation>
    </message>
    <message>
        <source>Double-sided printing</source>
        <translation>الطباعة على الوجهين</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Change cards</source>
        <translation>تغيير البطاقات</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Cannot read the deck file %1: %2: %3</source>
        <translation>تعذّرت قراءة ملف الرزمة ‎%1‎: %2: %3</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>مصفوفة</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>كائن</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>expected %1, not %2</source>
        <translation>المتوقع %1، لا %2</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true أو false</translation>
    </message>
    <message>
        <source>a cell needs a &quot;picture&quot; (a free cell is null)</source>
        <translation>يحتاج المكان إلى &quot;picture&quot; (المكان الفارغ null)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>اسم الملف فارغ</translation>
    </message>
    <message>
        <source>a file name cannot hold a NUL character</source>
        <translation>لا يمكن أن يحوي اسم الملف حرف NUL</translation>
    </message>
    <message>
        <source>1, 2, 4, 6 or 8</source>
        <translation>1 أو 2 أو 4 أو 6 أو 8</translation>
    </message>
    <message>
        <source>%1, the grid&apos;s cards</source>
        <translation>%1، بطاقات الشبكة</translation>
    </message>
    <message>
        <source>1 to %1</source>
        <translation>من 1 إلى %1</translation>
    </message>
    <message>
        <source>a sheet&apos;s card needs its number of labels</source>
        <translation>بطاقة الورقة تحتاج إلى عدد ملصقاتها</translation>
    </message>
    <message>
        <source>expected &quot;portrait&quot; or &quot;landscape&quot;</source>
        <translation>المتوقع &quot;portrait&quot; أو &quot;landscape&quot;</translation>
    </message>
    <message>
        <source>%1 cells, more than the card&apos;s count of %2</source>
        <translation>%1 مكانًا، أكثر من عدد البطاقة %2</translation>
    </message>
    <message>
        <source>an object or null</source>
        <translation>كائن أو null</translation>
    </message>
    <message>
        <source>expected %1, not &quot;%2&quot;</source>
        <translation>المتوقع %1، لا &quot;%2&quot;</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;: this is not a deck</source>
        <translation>المتوقع &quot;%1&quot;: هذه ليست رزمة</translation>
    </message>
    <message>
        <source>a version number</source>
        <translation>رقم إصدار</translation>
    </message>
    <message>
        <source>version %1 is newer than this program reads (%2)</source>
        <translation>الإصدار %1 أحدث مما يقرؤه هذا البرنامج (%2)</translation>
    </message>
    <message>
        <source>the word is %1 characters long; a label word holds at most %2 characters</source>
        <translation>طول الكلمة %1 حرفًا؛ والكلمة لا تتجاوز %2 حرفًا</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: the file is larger than 16 MB, more than any deck holds</source>
        <translation>تعذّرت قراءة ملف الرزمة ‎%1‎: الملف أكبر من 16 MB، أكبر مما تحويه أي رزمة</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: the file is empty</source>
        <translation>تعذّرت قراءة ملف الرزمة ‎%1‎: الملف فارغ</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>السطر %1، العمود %2</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>المستوى الأعلى</translation>
    </message>
    <message>
        <source>expected an object, not an array</source>
        <translation>المتوقع كائن، لا مصفوفة</translation>
    </message>
    <message>
        <source>Cannot read the deck file %1: %2</source>
        <translation>تعذّرت قراءة ملف الرزمة ‎%1‎: %2</translation>
    </message>
    <message>
        <source>Cannot write the deck file %1: it would not read back (%2)</source>
        <translation>تعذّرت كتابة ملف الرزمة ‎%1‎: لن تمكن قراءته مرة أخرى (%2)</translation>
    </message>
    <message>
        <source>Cannot write the deck file %1: %2</source>
        <translation>تعذّرت كتابة ملف الرزمة ‎%1‎: %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> و%1 غيرها</translation>
    </message>
    <message>
        <source>The deck file %1 names a missing picture: %2</source>
        <translation>ملف الرزمة ‎%1‎ يذكر صورة غير موجودة: ‎%2‎</translation>
    </message>
    <message>
        <source>The deck file %1 names %2 missing pictures: %3</source>
        <translation>ملف الرزمة ‎%1‎ يذكر %2 من الصور غير الموجودة: ‎%3‎</translation>
    </message>
    <message>
        <source>an object or array</source>
        <translation>كائن أو مصفوفة</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>عدد من %1 إلى %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>عدد صحيح من %1 إلى %2</translation>
    </message>
    <message>
        <source>a name of at most 200 characters</source>
        <translation>اسم لا يزيد على 200 حرف</translation>
    </message>
    <message>
        <source>a number from 1 to 1000</source>
        <translation>عدد من 1 إلى 1000</translation>
    </message>
    <message>
        <source>a symbol&apos;s hexcode (&quot;1F415&quot;)</source>
        <translation>الرمز الست عشري لرمز (&quot;1F415&quot;)</translation>
    </message>
    <message>
        <source>a symbol set&apos;s name</source>
        <translation>اسم مجموعة رموز</translation>
    </message>
    <message>
        <source>&quot;color&quot; or &quot;line&quot;</source>
        <translation>&quot;color&quot; أو &quot;line&quot;</translation>
    </message>
    <message>
        <source>a cell holds a &quot;picture&quot; or a &quot;symbol&quot;, not both</source>
        <translation>الخلية تحتوي على &quot;picture&quot; أو &quot;symbol&quot;، لا على كليهما</translation>
    </message>
    <message>
        <source>a word card holds no &quot;picture&quot; or &quot;symbol&quot;</source>
        <translation>بطاقة الكلمة لا تحمل &quot;picture&quot; ولا &quot;symbol&quot;</translation>
    </message>
</context>
<context>
    <name>DuplexDialog</name>
    <message>
        <source>Take the printed sheets out of the printer, turn the stack over sideways (about its long edge, so that the same edge goes in first) and put it back into the paper tray.</source>
        <translation>أخرج الأوراق المطبوعة من الطابعة، واقلب الرزمة جانبيًا (حول حافتها الطويلة، لتدخل الحافة نفسها أولًا) وأعدها إلى درج الورق.</translation>
    </message>
    <message>
        <source>Take the printed sheets out of the printer and put the stack back into the paper tray as it lies, printed side up, the same edge first.</source>
        <translation>أخرج الأوراق المطبوعة من الطابعة وأعد الرزمة إلى درج الورق كما هي، والوجه المطبوع إلى الأعلى، والحافة نفسها أولًا.</translation>
    </message>
    <message>
        <source>out: [3][2][1] face down, 1 at the bottom  ⟶  turn over sideways  ⟶  in: card 1 first</source>
        <translation>الخروج: [3][2][1] الوجه إلى الأسفل، 1 في الأسفل  ⟶  اقلبها جانبيًا  ⟶  الدخول: البطاقة 1 أولًا</translation>
    </message>
    <message>
        <source>out: [1][2][3] face down, 1 on top  ⟶  turn over sideways  ⟶  in: the last card first</source>
        <translation>الخروج: [1][2][3] الوجه إلى الأسفل، 1 في الأعلى  ⟶  اقلبها جانبيًا  ⟶  الدخول: البطاقة الأخيرة أولًا</translation>
    </message>
    <message>
        <source>out: [3][2][1] face up, 1 at the bottom  ⟶  as it lies  ⟶  in: the last card first</source>
        <translation>الخروج: [3][2][1] الوجه إلى الأعلى، 1 في الأسفل  ⟶  كما هي  ⟶  الدخول: البطاقة الأخيرة أولًا</translation>
    </message>
    <message>
        <source>out: [1][2][3] face up, 1 on top  ⟶  as it lies  ⟶  in: card 1 first</source>
        <translation>الخروج: [1][2][3] الوجه إلى الأعلى، 1 في الأعلى  ⟶  كما هي  ⟶  الدخول: البطاقة 1 أولًا</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Double-Sided Printing</source>
        <translation>الطباعة على الوجهين</translation>
    </message>
    <message>
        <source>Turning the sheet over</source>
        <translation>قلب الورقة</translation>
    </message>
    <message>
        <source>Standard: the long edge for portrait cards, the short edge for landscape cards</source>
        <translation>المعتاد: الحافة الطويلة للبطاقات الطولية، والقصيرة للعرضية</translation>
    </message>
    <message>
        <source>On the long edge</source>
        <translation>على الحافة الطويلة</translation>
    </message>
    <message>
        <source>On the short edge</source>
        <translation>على الحافة القصيرة</translation>
    </message>
    <message>
        <source>Printing both sides</source>
        <translation>طباعة الوجهين</translation>
    </message>
    <message>
        <source>The printer prints both sides</source>
        <translation>الطابعة تطبع الوجهين</translation>
    </message>
    <message>
        <source>By hand: the printer lays the sheets face down</source>
        <translation>يدويًا: الطابعة تُخرج الأوراق ووجهها إلى الأسفل</translation>
    </message>
    <message>
        <source>By hand: face down, the printer prints the last page first</source>
        <translation>يدويًا: الوجه إلى الأسفل، والطابعة تطبع الصفحة الأخيرة أولًا</translation>
    </message>
    <message>
        <source>By hand: the printer lays the sheets face up</source>
        <translation>يدويًا: الطابعة تُخرج الأوراق ووجهها إلى الأعلى</translation>
    </message>
    <message>
        <source>By hand: face up, the printer prints the last page first</source>
        <translation>يدويًا: الوجه إلى الأعلى، والطابعة تطبع الصفحة الأخيرة أولًا</translation>
    </message>
    <message>
        <source>By hand, the fronts print first; then the program asks you to put the stack back.
If your paper tray prints on the upper side of the sheet, choose the other face.</source>
        <translation>يدويًا تُطبع الوجوه أولًا؛ ثم يطلب منك البرنامج أن تعيد الرزمة.
إن كان درج الورق يطبع على الجانب العلوي من الورقة، فاختر الوجه الآخر.</translation>
    </message>
    <message>
        <source>&amp;Fold-over: each front and its word on one sheet, printed on one side and folded in the middle</source>
        <translation>&amp;الثني: كل وجه وكلمته على ورقة واحدة، تُطبع على جانب واحد وتُثنى من المنتصف</translation>
    </message>
    <message>
        <source>Back offset of the printer %1</source>
        <translation>إزاحة الظهر للطابعة %1</translation>
    </message>
    <message>
        <source>X (to the right on the back):</source>
        <translation>X (إلى اليمين على الظهر):</translation>
    </message>
    <message>
        <source>Y (down on the back):</source>
        <translation>Y (إلى الأسفل على الظهر):</translation>
    </message>
    <message>
        <source>Print the calibration sheet, hold it to the light with its back towards you,
and type where the front&apos;s lines cross the top and the left scale.</source>
        <translation>اطبع ورقة المعايرة، وأمسكها أمام الضوء وظهرها نحوك،
واكتب حيث تقطع خطوط الوجه المسطرة العليا واليسرى.</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet ...</source>
        <translation>طباعة ورقة &amp;المعايرة ...</translation>
    </message>
    <message>
        <source>Back offset of PDF files</source>
        <translation>إزاحة الظهر لملفات PDF</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>There is not enough memory to finish this command.</source>
        <translation>لا توجد ذاكرة كافية لإتمام هذا الأمر.</translation>
    </message>
    <message>
        <source>%1: not enough memory.</source>
        <translation>%1: لا توجد ذاكرة كافية.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>An unexpected error stopped this command.</source>
        <translation>أوقف خطأ غير متوقع هذا الأمر.</translation>
    </message>
</context>
<context>
    <name>GridPresets</name>
    <message>
        <source>2 × 2 in picture cards (Letter)</source>
        <translation>بطاقات صور 2 × 2 in (Letter)</translation>
    </message>
    <message>
        <source>2 × 2 in picture cards (A4)</source>
        <translation>بطاقات صور 2 × 2 in (A4)</translation>
    </message>
    <message>
        <source>3 × 5 in index cards</source>
        <translation>بطاقات فهرسة 3 × 5 in</translation>
    </message>
    <message>
        <source>business cards 85 × 55 mm</source>
        <translation>بطاقات أعمال 85 × 55 mm</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في ‎%1‎؟</translation>
    </message>
    <message>
        <source>The changes are lost if you don&apos;t save them.</source>
        <translation>تضيع التغييرات إن لم تحفظها.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>‎%1‎ موجود من قبل.
هل تريد استبداله؟</translation>
    </message>
</context>
<context>
    <name>PictureErrors</name>
    <message>
        <source>the file is too large (more than %1 MB)</source>
        <translation>الملف كبير جدًا (أكثر من %1 MB)</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>تعذّرت قراءة الملف حتى آخره</translation>
    </message>
    <message>
        <source>there is not enough memory to read the file</source>
        <translation>لا توجد ذاكرة كافية لقراءة الملف</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>الصورة بلا بكسلات (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture&apos;s pixels do not match its size</source>
        <translation>بكسلات الصورة لا تطابق حجمها</translation>
    </message>
    <message>
        <source>there is not enough memory for %1 x %2 pixels</source>
        <translation>لا توجد ذاكرة كافية لـ %1 x %2 بكسل</translation>
    </message>
    <message>
        <source>this HEIF file holds an image sequence, which cannot be printed</source>
        <translation>ملف HEIF هذا يحوي سلسلة صور، ولا يمكن طباعتها</translation>
    </message>
    <message>
        <source>this HEIF file&apos;s picture is an identity-derived (&apos;iden&apos;) item, which cannot be read</source>
        <translation>صورة ملف HEIF هذا عنصر مشتق بالهوية (&apos;iden&apos;)، ولا يمكن قراءته</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>الصورة كبيرة جدًا</translation>
    </message>
    <message>
        <source>this is not a HEIF picture that can be read</source>
        <translation>هذه ليست صورة HEIF يمكن قراءتها</translation>
    </message>
    <message>
        <source>this HEIF file uses a kind of picture that cannot be read</source>
        <translation>ملف HEIF هذا يستخدم نوعًا من الصور لا يمكن قراءته</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>الملف تالف</translation>
    </message>
    <message>
        <source>the picture has more than %1 scans</source>
        <translation>للصورة أكثر من %1 مسحًا</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1)</source>
        <translation>الصورة بلا بكسلات (%1)</translation>
    </message>
    <message>
        <source>the picture is too large: decoding %1 x %2 pixels needs more than %3 MB (%4)</source>
        <translation>الصورة كبيرة جدًا: فك ترميز %1 x %2 بكسل يحتاج إلى أكثر من %3 MB (%4)</translation>
    </message>
    <message>
        <source>the file is cut off before its picture data (%1)</source>
        <translation>الملف مقطوع قبل بيانات صورته (%1)</translation>
    </message>
    <message>
        <source>the file name does not end in %1</source>
        <translation>اسم الملف لا ينتهي بـ %1</translation>
    </message>
    <message>
        <source>it is a folder, not a picture file</source>
        <translation>إنه مجلد، لا ملف صورة</translation>
    </message>
    <message>
        <source>it is not a plain file (a device, pipe or socket)</source>
        <translation>ليس ملفًا عاديًا (جهاز أو أنبوب أو مقبس)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>تعذّر تحميل الصورة ‎%1‎: %2</translation>
    </message>
    <message>
        <source>the picture is too large: %1 x %2 pixels need more than %3 MB</source>
        <translation>الصورة كبيرة جدًا: %1 x %2 بكسل تحتاج إلى أكثر من %3 MB</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>لم يُعطَ اسم ملف</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <source>the file is cut off before the end of its picture data</source>
        <translation>الملف مقطوع قبل نهاية بيانات صورته</translation>
    </message>
    <message>
        <source>Not a PNG file: starts with 0x%1 0x%2</source>
        <translation>ليس ملف PNG: يبدأ بـ 0x%1 0x%2</translation>
    </message>
    <message>
        <source>the file is damaged: its %1 chunk claims %2 bytes but the file ends after %3</source>
        <translation>الملف تالف: جزؤه %1 يدّعي %2 بايت لكن الملف ينتهي بعد %3</translation>
    </message>
    <message>
        <source>the file is damaged: its %1 chunk of %2 bytes is larger than the %3 MB a picture&apos;s side data may take</source>
        <translation>الملف تالف: جزؤه %1 البالغ %2 بايت أكبر من %3 MB المسموح بها لبيانات الصورة الجانبية</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>الملف تالف: %1</translation>
    </message>
    <message>
        <source>its rows do not match its size</source>
        <translation>صفوفه لا تطابق حجمه</translation>
    </message>
    <message>
        <source>the file is cut off before its picture data</source>
        <translation>الملف مقطوع قبل بيانات صورته</translation>
    </message>
    <message>
        <source>the bitmap is damaged or of a kind that cannot be read</source>
        <translation>الصورة النقطية تالفة أو من نوع لا يمكن قراءته</translation>
    </message>
    <message>
        <source>Not a BMP file: starts with 0x%1 0x%2</source>
        <translation>ليس ملف BMP: يبدأ بـ 0x%1 0x%2</translation>
    </message>
    <message>
        <source>%1 (the bitmap&apos;s header is cut off)</source>
        <translation>%1 (ترويسة الصورة النقطية مقطوعة)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot print fold-over cards: the cards of this grid or sheet do not stand in pairs about the middle of the paper, so no fold puts one behind another.</source>
        <translation>تعذّرت طباعة بطاقات الثني: بطاقات هذه الشبكة أو الورقة ليست أزواجًا حول منتصف الورق، فلا ثنية تضع إحداها خلف الأخرى.</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>طولي</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>عرضي</translation>
    </message>
    <message>
        <source>Cannot print fold-over cards: a card of %1 picture per page in %2 has no middle line between its cells to fold on. Choose 2 or more pictures per page.</source>
        <translation>تعذّرت طباعة بطاقات الثني: البطاقة ذات %1 صورة في الصفحة (%2) ليس فيها خط أوسط بين أماكنها للثني. اختر صورتين أو أكثر في الصفحة.</translation>
    </message>
    <message>
        <source>Cannot print fold-over cards: a card of %1 pictures per page in %2 has no middle line between its cells to fold on. Choose 2 or more pictures per page.</source>
        <translation>تعذّرت طباعة بطاقات الثني: البطاقة ذات %1 من الصور في الصفحة (%2) ليس فيها خط أوسط بين أماكنها للثني. اختر صورتين أو أكثر في الصفحة.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1: %2</source>
        <translation>تعذّرت طباعة الصورة ‎%1‎: %2</translation>
    </message>
    <message>
        <source>Cannot print</source>
        <translation>تعذّرت الطباعة</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; did not start the job.</source>
        <translation>تعذّرت الطباعة: الطابعة &quot;%1&quot; لم تبدأ المهمة.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; could not start page %2.</source>
        <translation>تعذّر على الطابعة &quot;%1&quot; بدء الصفحة %2.</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; reported an error.</source>
        <translation>تعذّرت الطباعة: أبلغت الطابعة &quot;%1&quot; عن خطأ.</translation>
    </message>
    <message>
        <source>Cannot print to the file %1: %2</source>
        <translation>تعذّرت الطباعة إلى الملف ‎%1‎: %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; is not available.</source>
        <translation>تعذّرت الطباعة: الطابعة &quot;%1&quot; غير متاحة.</translation>
    </message>
    <message>
        <source>Cannot print: the page range picks none of the %1 cards.</source>
        <translation>تعذّرت الطباعة: نطاق الصفحات لا يختار أيًّا من البطاقات الـ %1.</translation>
    </message>
    <message>
        <source>The fronts are printed.

%1

Then click Continue to print the backs.</source>
        <translation>طُبعت الوجوه.

%1

ثم انقر متابعة لطباعة الظهور.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>الطباعة</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>Sheet %1, to fold</source>
        <translation>الورقة %1، للثني</translation>
    </message>
    <message>
        <source>Card %1, back</source>
        <translation>البطاقة %1، الظهر</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>البطاقة %1</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>طباعة ...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>تصدير PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Word &amp;Backs</source>
        <translation>طباعة الكلما&amp;ت على الظهر</translation>
    </message>
    <message>
        <source>Cannot print a card with %1 pictures per page: a page holds 1, 2, 4, 6 or 8 pictures.</source>
        <translation>تعذّرت طباعة بطاقة فيها %1 من الصور في الصفحة: تحوي الصفحة 1 أو 2 أو 4 أو 6 أو 8 صور.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1: not enough memory for %2 x %3 pixels.</source>
        <translation>تعذّرت طباعة الصورة ‎%1‎: لا توجد ذاكرة كافية لـ %2 x %3 بكسل.</translation>
    </message>
    <message>
        <source>Cannot print the picture %1</source>
        <translation>تعذّرت طباعة الصورة ‎%1‎</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1: %2</source>
        <translation>تعذّرت كتابة ملف PDF ‎%1‎: %2</translation>
    </message>
    <message>
        <source>there is no page to write.</source>
        <translation>لا توجد صفحة للكتابة.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>إنه مجلد.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>المجلد ‎%1‎ غير موجود.</translation>
    </message>
    <message>
        <source>the PDF writer could not start the document.</source>
        <translation>تعذّر على كاتب PDF بدء المستند.</translation>
    </message>
    <message>
        <source>could not start page %1.</source>
        <translation>تعذّر بدء الصفحة %1.</translation>
    </message>
    <message>
        <source>the PDF writer failed.</source>
        <translation>أخفق كاتب PDF.</translation>
    </message>
    <message>
        <source>the text of its label words could not be added (%1).</source>
        <translation>تعذّرت إضافة نص كلماته (%1).</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>لم يُكتب الملف كاملًا</translation>
    </message>
</context>
<context>
    <name>RecentDecks</name>
    <message>
        <source>Not found: %1</source>
        <translation>غير موجود: ‎%1‎</translation>
    </message>
    <message>
        <source>No recent decks</source>
        <translation>لا توجد رزم حديثة</translation>
    </message>
    <message>
        <source>Recent Dec&amp;ks</source>
        <translation>الرزم الأخيرة</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Recover Decks</source>
        <translation>استعادة الرزم</translation>
    </message>
    <message>
        <source>Ferlo ended before these decks were saved. Restore a deck, save it under a name, or discard it. Decks left here are offered again at the next start.</source>
        <translation>أُغلق Ferlo قبل حفظ هذه الرزم. استعد رزمة أو احفظها باسم أو تجاهلها. ما يبقى هنا يُعرض مجددًا عند البدء التالي.</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>الرزمة</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>البطاقات</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>آخر تغيير</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>&amp;Save As ...</source>
        <translation>حفظ باسم ...</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read: %2</source>
        <translation>تعذّرت قراءة نسخة الاستعادة ‎%1‎: %2</translation>
    </message>
    <message>
        <source>the file is larger than any deck</source>
        <translation>الملف أكبر من أي رزمة</translation>
    </message>
    <message>
        <source>a deck, but no recovery copy of this program</source>
        <translation>رزمة، لكنها ليست نسخة استعادة من هذا البرنامج</translation>
    </message>
    <message>
        <source>recovery.deckFile: expected an absolute file name</source>
        <translation>recovery.deckFile: يُتوقع اسم ملف مطلق</translation>
    </message>
    <message>
        <source>recovery.changed: expected a time</source>
        <translation>recovery.changed: يُتوقع وقت</translation>
    </message>
    <message>
        <source>It could not be set aside either.</source>
        <translation>وتعذّر نقلها جانبًا أيضًا.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>نُقلت جانبًا باسم ‎%1‎.</translation>
    </message>
    <message>
        <source>Ferlo cannot keep a recovery copy of the deck in %1: %2
Your files are as they were; save the deck to keep its changes.</source>
        <translation>لا يستطيع Ferlo الاحتفاظ بنسخة استعادة للرزمة في ‎%1‎: %2
ملفاتك كما كانت؛ احفظ الرزمة للاحتفاظ بتغييراتها.</translation>
    </message>
    <message>
        <source>the lock file cannot be made</source>
        <translation>تعذّر إنشاء ملف القفل</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The print option could not be saved to %1</source>
        <translation>تعذّر حفظ خيار الطباعة في ‎%1‎</translation>
    </message>
    <message>
        <source>a backslash in quotes must be followed by \ or &quot;</source>
        <translation>الشرطة المائلة العكسية داخل علامتي الاقتباس يجب أن يتبعها \ أو &quot;</translation>
    </message>
    <message>
        <source>a quoted text has no closing quote</source>
        <translation>نص بين علامتي اقتباس بلا علامة إغلاق</translation>
    </message>
    <message>
        <source>there is text after the closing quote</source>
        <translation>يوجد نص بعد علامة الاقتباس الختامية</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dword</source>
        <translation>&quot;%1&quot; ليس dword</translation>
    </message>
    <message>
        <source>removing values is not supported</source>
        <translation>إزالة القيم غير مدعومة</translation>
    </message>
    <message>
        <source>the value&apos;s data is not understood</source>
        <translation>بيانات القيمة غير مفهومة</translation>
    </message>
    <message>
        <source>hexadecimal data has no &quot;:&quot;</source>
        <translation>البيانات الست عشرية بلا &quot;:&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value type</source>
        <translation>&quot;%1&quot; ليس نوع قيمة</translation>
    </message>
    <message>
        <source>hexadecimal data ends in a backslash</source>
        <translation>البيانات الست عشرية تنتهي بشرطة مائلة عكسية</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hexadecimal byte</source>
        <translation>&quot;%1&quot; ليس بايتًا ست عشريًا</translation>
    </message>
    <message>
        <source>the file is not valid %1 text</source>
        <translation>الملف ليس نص %1 صالحًا</translation>
    </message>
    <message>
        <source>the settings file could not be locked</source>
        <translation>تعذّر قفل ملف الإعدادات</translation>
    </message>
    <message>
        <source>the settings file is locked by another program</source>
        <translation>ملف الإعدادات مقفل من برنامج آخر</translation>
    </message>
    <message>
        <source>the file does not start with &quot;%1&quot;</source>
        <translation>الملف لا يبدأ بـ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key name has no closing bracket</source>
        <translation>اسم مفتاح بلا قوس إغلاق</translation>
    </message>
    <message>
        <source>removing keys is not supported</source>
        <translation>إزالة المفاتيح غير مدعومة</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid key name</source>
        <translation>&quot;%1&quot; ليس اسم مفتاح صالحًا</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not belong to %2</source>
        <translation>المفتاح &quot;%1&quot; لا ينتمي إلى %2</translation>
    </message>
    <message>
        <source>the line is not a key, a value or a comment</source>
        <translation>السطر ليس مفتاحًا ولا قيمة ولا تعليقًا</translation>
    </message>
    <message>
        <source>a value comes before the first key</source>
        <translation>قيمة تأتي قبل أول مفتاح</translation>
    </message>
    <message>
        <source>a value name is not followed by &quot;=&quot;</source>
        <translation>اسم قيمة لا يتبعه &quot;=&quot;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>the settings file holds a name or a value that cannot be written back unchanged</source>
        <translation>ملف الإعدادات يحوي اسمًا أو قيمة لا يمكن كتابتها مرة أخرى دون تغيير</translation>
    </message>
    <message>
        <source>the settings file is not a regular file</source>
        <translation>ملف الإعدادات ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>the file is too large to be a settings file</source>
        <translation>الملف أكبر من أن يكون ملف إعدادات</translation>
    </message>
    <message>
        <source>the file is not a valid settings file (%1)</source>
        <translation>الملف ليس ملف إعدادات صالحًا (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid key name</source>
        <translation>%1: &quot;%2&quot; ليس اسم مفتاح صالحًا</translation>
    </message>
    <message>
        <source>%1: the key &quot;%2&quot; does not exist</source>
        <translation>%1: المفتاح &quot;%2&quot; غير موجود</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>تعذّر الحصول على بيانات &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>نوع بيانات غير صالح لـ &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>تعذّر ضبط بيانات &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: no key is open</source>
        <translation>%1: لا مفتاح مفتوح</translation>
    </message>
    <message>
        <source>%1: the value name or text holds a line break</source>
        <translation>%1: اسم القيمة أو نصها يحوي فاصل أسطر</translation>
    </message>
    <message>
        <source>The speech options could not be saved to %1</source>
        <translation>تعذّر حفظ خيارات النطق في ‎%1‎</translation>
    </message>
    <message>
        <source>At most %1 symbol folders can be stored.</source>
        <translation>لا يمكن حفظ أكثر من %1 مجلد رموز.</translation>
    </message>
    <message>
        <source>The symbol folder %1 can&apos;t be stored: its name holds a line break.</source>
        <translation>لا يمكن حفظ مجلد الرموز %1: اسمه يحتوي على فاصل أسطر.</translation>
    </message>
    <message>
        <source>The symbol folders could not be saved to %1</source>
        <translation>تعذر حفظ مجلدات الرموز في %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1</source>
        <translation>تعذّر حفظ الإعدادات في ‎%1‎</translation>
    </message>
</context>
<context>
    <name>SheetTemplates</name>
    <message>
        <source>it has no %1</source>
        <translation>ليس لها الخاصية %1</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is not a length in pt, mm, cm, in or pc</source>
        <translation>قيمة الخاصية %1 &quot;%2&quot; ليست طولًا بـ pt أو mm أو cm أو in أو pc</translation>
    </message>
    <message>
        <source>its %1 of %2 is more than a metre</source>
        <translation>قيمة الخاصية %1 البالغة %2 أكثر من متر</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is not a whole number from 1 to %3</source>
        <translation>قيمة الخاصية %1 &quot;%2&quot; ليست عددًا صحيحًا من 1 إلى %3</translation>
    </message>
    <message>
        <source>its paper size &quot;%1&quot; is not known</source>
        <translation>حجم ورقها &quot;%1&quot; غير معروف</translation>
    </message>
    <message>
        <source>its paper has no size</source>
        <translation>ورقها بلا حجم</translation>
    </message>
    <message>
        <source>its labels have no size</source>
        <translation>ملصقاتها بلا حجم</translation>
    </message>
    <message>
        <source>it has more than %1 labels on a sheet</source>
        <translation>فيها أكثر من %1 ملصقًا في الورقة</translation>
    </message>
    <message>
        <source>CD and DVD labels are not offered</source>
        <translation>ملصقات الأقراص CD وDVD غير معروضة</translation>
    </message>
    <message>
        <source>it has no labels</source>
        <translation>ليس فيها ملصقات</translation>
    </message>
    <message>
        <source>a label at %1, %2 mm runs %3 mm off the paper</source>
        <translation>ملصق عند %1، %2 mm يتجاوز الورق بمقدار %3 mm</translation>
    </message>
    <message>
        <source>The sheet %1 in %2 is left out: %3.</source>
        <translation>الورقة %1 في %2 مستبعدة: %3.</translation>
    </message>
    <message>
        <source>it has no brand or part number</source>
        <translation>ليس لها علامة تجارية ولا رقم قطعة</translation>
    </message>
    <message>
        <source>the sheet %1 it is equal to is %2</source>
        <translation>الورقة %1 التي تساويها %2</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>مستبعدة</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>غير موجودة</translation>
    </message>
    <message>
        <source>The sheet templates in %1 are read only up to line %2: %3.</source>
        <translation>قوالب الأوراق في ‎%1‎ لا تُقرأ إلا حتى السطر %2: %3.</translation>
    </message>
    <message>
        <source>No label sheets are installed: %1 does not hold paper-sizes.xml (the package glabels-data).</source>
        <translation>لا توجد أوراق ملصقات مثبّتة: ‎%1‎ لا يحوي paper-sizes.xml (الحزمة glabels-data).</translation>
    </message>
    <message>
        <source>The sheet templates in %1 cannot be read: %2.</source>
        <translation>تعذّرت قراءة قوالب الأوراق في ‎%1‎: %2.</translation>
    </message>
    <message>
        <source>Cannot use the sheet %1. %2</source>
        <translation>تعذّر استخدام الورقة %1. %2</translation>
    </message>
    <message>
        <source>There is no sheet named %1 among the installed sheet templates (%2).</source>
        <translation>لا توجد ورقة باسم %1 بين قوالب الأوراق المثبّتة (%2).</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound file &quot;%1&quot; can&apos;t be opened: %2</source>
        <translation>تعذّر فتح الملف الصوتي &quot;‎%1‎&quot;: %2</translation>
    </message>
    <message>
        <source>No sound file is named.</source>
        <translation>لم يُذكر اسم ملف صوتي.</translation>
    </message>
    <message>
        <source>Unknown error code</source>
        <translation>رمز خطأ غير معروف</translation>
    </message>
    <message>
        <source>the file describes no sound</source>
        <translation>الملف لا يصف أي صوت</translation>
    </message>
    <message>
        <source>the output format is not usable</source>
        <translation>صيغة الإخراج غير صالحة للاستخدام</translation>
    </message>
    <message>
        <source>the sound is too long (more than %1 MB of samples)</source>
        <translation>الصوت طويل جدًا (أكثر من %1 MB من العينات)</translation>
    </message>
    <message>
        <source>The word &quot;%1&quot; can&apos;t be spoken: %2</source>
        <translation>تعذّر نطق الكلمة &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the speech engine can&apos;t be loaded</source>
        <translation>تعذّر تحميل محرك النطق</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>لا يوجد صوت &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the speech engine failed</source>
        <translation>أخفق محرك النطق</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; can&apos;t be written: %2</source>
        <translation>تعذّرت كتابة الملف الصوتي &quot;‎%1‎&quot;: %2</translation>
    </message>
    <message>
        <source>No sound input (a microphone) was found: nothing can be recorded.</source>
        <translation>لم يُعثر على مدخل صوت (ميكروفون): لا يمكن التسجيل.</translation>
    </message>
    <message>
        <source>The sound input &quot;%1&quot; can&apos;t be opened: nothing can be recorded.</source>
        <translation>تعذّر فتح مدخل الصوت &quot;%1&quot;: لا يمكن التسجيل.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>the file was not open for writing</source>
        <translation>لم يكن الملف مفتوحًا للكتابة</translation>
    </message>
</context>
<context>
    <name>SymbolDialogs</name>
    <message>
        <source>&amp;Add folder ...</source>
        <translation>&amp;إضافة مجلد ...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>إ&amp;زالة</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>إضافة مجلد</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>الرموز</translation>
    </message>
    <message>
        <source>Your own symbol folders: their SVG, PNG and JPEG files are found by their names.</source>
        <translation>مجلدات رموزك الخاصة: يُعثر على ملفات SVG وPNG وJPEG فيها بأسمائها.</translation>
    </message>
    <message>
        <source>Cards from Words</source>
        <translation>بطاقات من الكلمات</translation>
    </message>
    <message>
        <source>Symbols as &amp;line art</source>
        <translation>&amp;الرموز كرسوم خطية</translation>
    </message>
    <message>
        <source>Words, one a line or separated by commas:</source>
        <translation>الكلمات، كلمة في كل سطر أو مفصولة بفواصل:</translation>
    </message>
    <message>
        <source>Pictures named after a word are taken first from:</source>
        <translation>تؤخذ الصور المسماة باسم الكلمة أولًا من:</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Cannot read the drawing %1: %2</source>
        <translation>تعذّرت قراءة الرسم ‎%1‎: ‎%2‎</translation>
    </message>
    <message>
        <source>it holds an embedded picture that cannot be read</source>
        <translation>يحتوي على صورة مضمّنة لا يمكن قراءتها</translation>
    </message>
    <message>
        <source>it holds an embedded picture that is not a PNG, JPEG, GIF, BMP or WebP picture</source>
        <translation>يحتوي على صورة مضمّنة ليست بصيغة PNG أو JPEG أو GIF أو BMP أو WebP</translation>
    </message>
    <message>
        <source>it holds an embedded picture larger than %1 x %1 pixels</source>
        <translation>يحتوي على صورة مضمّنة أكبر من ‎%1‎ x ‎%1‎ بكسل</translation>
    </message>
    <message>
        <source>its document type declares notations</source>
        <translation>نوع المستند فيه يعلن عن ترميزات</translation>
    </message>
    <message>
        <source>its document type declares more than %1 entities</source>
        <translation>نوع المستند فيه يعلن عن أكثر من ‎%1‎ كيانًا</translation>
    </message>
    <message>
        <source>its document type refers to another file (%1)</source>
        <translation>نوع المستند فيه يشير إلى ملف آخر (‎%1‎)</translation>
    </message>
    <message>
        <source>its document type declares an entity that is too long or nested (%1)</source>
        <translation>نوع المستند فيه يعلن عن كيان طويل جدًا أو متداخل (‎%1‎)</translation>
    </message>
    <message>
        <source>its entities expand to more than %1 characters</source>
        <translation>كياناته تتوسع إلى أكثر من ‎%1‎ حرفًا</translation>
    </message>
    <message>
        <source>compressed drawings (.svgz) are not read; unpack it first</source>
        <translation>الرسوم المضغوطة (.svgz) لا تُقرأ؛ فك ضغطه أولًا</translation>
    </message>
    <message>
        <source>it refers to a style sheet in another file</source>
        <translation>يشير إلى ورقة أنماط في ملف آخر</translation>
    </message>
    <message>
        <source>it refers to an entity that is not declared (%1)</source>
        <translation>يشير إلى كيان غير مُعلن (‎%1‎)</translation>
    </message>
    <message>
        <source>it is not an SVG drawing</source>
        <translation>ليس رسمًا بصيغة SVG</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>عناصره متداخلة بعمق يزيد على ‎%1‎</translation>
    </message>
    <message>
        <source>it holds more than %1 elements</source>
        <translation>يحتوي على أكثر من ‎%1‎ عنصرًا</translation>
    </message>
    <message>
        <source>it refers to another file (%1)</source>
        <translation>يشير إلى ملف آخر (‎%1‎)</translation>
    </message>
    <message>
        <source>its style refers to another file</source>
        <translation>نمطه يشير إلى ملف آخر</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>ليس XML سليم البنية (السطر ‎%1‎: ‎%2‎)</translation>
    </message>
    <message>
        <source>it draws more than %1 elements, or its parts use each other in a loop</source>
        <translation>يرسم أكثر من ‎%1‎ عنصرًا، أو أن أجزاءه يستخدم بعضها بعضًا في حلقة</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>تعذّرت قراءة الملف ‎%1‎: ‎%2‎</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>حجمه أكبر من ‎%1‎ بايت</translation>
    </message>
    <message>
        <source>it is not an SVG drawing that can be drawn</source>
        <translation>ليس رسمًا بصيغة SVG يمكن رسمه</translation>
    </message>
    <message>
        <source>it has no usable size (a viewBox, or a width and a height)</source>
        <translation>ليس له حجم صالح (viewBox، أو عرض وارتفاع)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is not a size it can be drawn at</source>
        <translation>‎%1‎ x ‎%2‎ بكسل ليس حجمًا يمكن رسمه به</translation>
    </message>
    <message>
        <source>not enough memory for %1 x %2 pixels</source>
        <translation>لا توجد ذاكرة كافية لـ ‎%1‎ x ‎%2‎ بكسل</translation>
    </message>
    <message>
        <source>%1 (%2, line art)</source>
        <translation>‎%1‎ (‎%2‎، رسم خطي)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>‎%1‎ (‎%2‎)</translation>
    </message>
    <message>
        <source>card %1: symbol %2</source>
        <translation>البطاقة ‎%1‎: الرمز ‎%2‎</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>؛ و‎%1‎ أخرى</translation>
    </message>
    <message>
        <source>the OpenMoji symbol set is not installed</source>
        <translation>مجموعة رموز OpenMoji غير مثبتة</translation>
    </message>
    <message>
        <source>the installed symbol set does not hold them</source>
        <translation>مجموعة الرموز المثبتة لا تحتويها</translation>
    </message>
    <message>
        <source>The deck file %1 names symbols that cannot be shown (%2): %3</source>
        <translation>ملف الرزمة ‎%1‎ يذكر رموزًا لا يمكن عرضها (‎%2‎): ‎%3‎</translation>
    </message>
    <message>
        <source>Symbols: OpenMoji (openmoji.org), licensed under CC BY-SA 4.0 (creativecommons.org/licenses/by-sa/4.0)</source>
        <translation>الرموز: OpenMoji (openmoji.org)، مرخّصة بموجب CC BY-SA 4.0 (creativecommons.org/licenses/by-sa/4.0)</translation>
    </message>
    <message>
        <source>The symbol index %1 can&apos;t be read: %2.</source>
        <translation>تتعذر قراءة فهرس الرموز %1: %2.</translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation>ينتهي قبل أوانه</translation>
    </message>
    <message>
        <source>it counts more records than it holds</source>
        <translation>يذكر سجلات أكثر مما يحتوي</translation>
    </message>
    <message>
        <source>a text lies outside the file&apos;s texts</source>
        <translation>نص يقع خارج نصوص الملف</translation>
    </message>
    <message>
        <source>No symbol set is loaded.</source>
        <translation>لم تُحمَّل أي مجموعة رموز.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>حجمه كبير جدًا</translation>
    </message>
    <message>
        <source>it is no symbol index</source>
        <translation>ليس فهرس رموز</translation>
    </message>
    <message>
        <source>it was written for another version of the program</source>
        <translation>كُتب لإصدار آخر من البرنامج</translation>
    </message>
    <message>
        <source>its size is not the size it was written with</source>
        <translation>حجمه ليس الحجم الذي كُتب به</translation>
    </message>
    <message>
        <source>it holds no symbols</source>
        <translation>لا يحتوي على رموز</translation>
    </message>
    <message>
        <source>a symbol folds under one that isn&apos;t there</source>
        <translation>رمز مُدرج تحت رمز غير موجود</translation>
    </message>
    <message>
        <source>a symbol folds under a variant</source>
        <translation>رمز مُدرج تحت متغير</translation>
    </message>
    <message>
        <source>it holds no language</source>
        <translation>لا يحتوي على أي لغة</translation>
    </message>
    <message>
        <source>a language is unnamed or named twice</source>
        <translation>لغة بلا اسم أو مذكورة مرتين</translation>
    </message>
    <message>
        <source>a symbol&apos;s keywords lie outside the keywords</source>
        <translation>الكلمات المفتاحية لرمز تقع خارج الكلمات المفتاحية</translation>
    </message>
    <message>
        <source>a term names no symbol of its own</source>
        <translation>مصطلح لا يشير إلى رمز مستقل</translation>
    </message>
    <message>
        <source>its terms are out of order</source>
        <translation>مصطلحاته غير مرتبة</translation>
    </message>
    <message>
        <source>its first language is not English</source>
        <translation>لغته الأولى ليست الإنجليزية</translation>
    </message>
    <message>
        <source>there is more after its end</source>
        <translation>توجد بيانات بعد نهايته</translation>
    </message>
    <message>
        <source>The OpenMoji symbols are not installed: there is no symbols folder beside the program (%1) nor in %2.</source>
        <translation>رموز OpenMoji غير مثبتة: لا يوجد مجلد symbols بجانب البرنامج (%1) ولا في %2.</translation>
    </message>
    <message>
        <source>no symbol found for &quot;%1&quot;</source>
        <translation>لم يُعثر على رمز لـ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a symbol&apos;s hexcode is malformed or given twice</source>
        <translation>الرمز الست عشري لرمز ما غير صالح أو مكرر</translation>
    </message>
    <message>
        <source>The symbol cannot be shown: it is not installed</source>
        <translation>لا يمكن عرض الرمز: إنه غير مثبت</translation>
    </message>
</context>
<context>
    <name>TdlgSpeech</name>
    <message>
        <source>Deck Properties</source>
        <translation>خصائص الرزمة</translation>
    </message>
    <message>
        <source>The program&apos;s language</source>
        <translation>لغة البرنامج</translation>
    </message>
    <message>
        <source>Words without a recording are spoken in this language, unless Options &gt; Speech names a voice.
A word in another script is spoken in a voice that reads it.</source>
        <translation>تُنطق الكلمات التي ليس لها تسجيل بهذه اللغة، ما لم يُحدَّد صوت في الخيارات &gt; النطق.
وتُنطق الكلمة المكتوبة بخط آخر بصوت يقرأ ذلك الخط.</translation>
    </message>
    <message>
        <source>&amp;Language of the words:</source>
        <translation>لغة الكلمات:</translation>
    </message>
</context>
<context>
    <name>WordCards</name>
    <message>
        <source>Cannot read the words of %1: it is not UTF-8 text</source>
        <translation>تعذّرت قراءة كلمات ‎%1‎: ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>Cannot read the words of %1: it holds no words</source>
        <translation>تعذّرت قراءة كلمات ‎%1‎: لا يحتوي على كلمات</translation>
    </message>
    <message>
        <source>Cannot look for pictures in %1: it is not a folder</source>
        <translation>تعذّر البحث عن صور في ‎%1‎: ليس مجلدًا</translation>
    </message>
    <message>
        <source>No picture or symbol found for %1</source>
        <translation>لم يُعثر على صورة أو رمز لـ ‎%1‎</translation>
    </message>
</context>
<context>
    <name>ferlo::ActivityDialog</name>
    <message>
        <source>Make Activity</source>
        <translation>صنع لعبة</translation>
    </message>
    <message>
        <source>Memory pairs</source>
        <translation>أزواج الذاكرة</translation>
    </message>
    <message>
        <source>Picture and word</source>
        <translation>صورة وكلمة</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>لوتو</translation>
    </message>
    <message>
        <source>Bingo</source>
        <translation>بنغو</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;اللعبة:</translation>
    </message>
    <message>
        <source>&amp;Boards:</source>
        <translation>اللوحات:</translation>
    </message>
    <message>
        <source>Columns × rows:</source>
        <translation>أعمدة × صفوف:</translation>
    </message>
    <message>
        <source>&amp;Free centre</source>
        <translation>&amp;وسط حر</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>البذرة:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>الورق:</translation>
    </message>
    <message>
        <source>No backs</source>
        <translation>بلا ظهر</translation>
    </message>
    <message>
        <source>Plain pattern</source>
        <translation>نقش بسيط</translation>
    </message>
    <message>
        <source>Back picture</source>
        <translation>صورة الظهر</translation>
    </message>
    <message>
        <source>Card bac&amp;ks:</source>
        <translation>ظهر البطاقات:</translation>
    </message>
    <message>
        <source>Choose ...</source>
        <translation>اختيار ...</translation>
    </message>
    <message>
        <source>Back picture:</source>
        <translation>صورة الظهر:</translation>
    </message>
    <message>
        <source>Click a picture to hear its word.</source>
        <translation>انقر صورة لتسمع كلمتها.</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>طباعة ...</translation>
    </message>
    <message>
        <source>Pre&amp;view ...</source>
        <translation>معاينة ...</translation>
    </message>
    <message>
        <source>&amp;Export PDF ...</source>
        <translation>تصدير PDF ...</translation>
    </message>
    <message>
        <source>&amp;Add to Deck</source>
        <translation>&amp;إضافة إلى الرزمة</translation>
    </message>
    <message>
        <source>Save as &amp;Deck ...</source>
        <translation>&amp;احفظ كرزمة ...</translation>
    </message>
    <message>
        <source>Choose the back picture.</source>
        <translation>اختر صورة الظهر.</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>الصفحات: %1</translation>
    </message>
</context>
<context>
    <name>ferlo::CardStrip</name>
    <message>
        <source>Cards</source>
        <translation>البطاقات</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>البطاقة %1</translation>
    </message>
</context>
<context>
    <name>ferlo::DirectoryListBox</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>المجلد ‎%1‎ غير موجود.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>‎%1‎ ليس مجلدًا.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>تعذّر فتح المجلد ‎%1‎: الإذن مرفوض.</translation>
    </message>
</context>
<context>
    <name>ferlo::HelpWindow</name>
    <message>
        <source>The user&apos;s guide %1 is missing: Ferlo is not installed whole.</source>
        <translation>دليل المستخدم ‎%1‎ غير موجود: لم يُثبَّت Ferlo كاملًا.</translation>
    </message>
    <message>
        <source>The desktop could not open the guide (%1), so it is shown here.</source>
        <translation>لم يستطع سطح المكتب فتح الدليل (%1)، لذا يُعرض هنا.</translation>
    </message>
    <message>
        <source>no program that opens files was found</source>
        <translation>لم يُعثر على برنامج يفتح الملفات</translation>
    </message>
    <message>
        <source>%1 stopped</source>
        <translation>توقف %1</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>انتهى %1 بالحالة %2</translation>
    </message>
    <message>
        <source>Ferlo Help</source>
        <extracomment>The title of the window that shows the user&apos;s guide.</extracomment>
        <translation>مساعدة Ferlo</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>تتعذّر قراءة ‎%1‎: %2</translation>
    </message>
</context>
<context>
    <name>ferlo::LabelEditor</name>
    <message>
        <source>Label word of picture %1</source>
        <translation>كلمة الصورة %1</translation>
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
        <translation>مستدير </translation>
    </message>
    <message>
        <source>elliptic </source>
        <translation>بيضوي </translation>
    </message>
    <message>
        <source>%1 — %2 (%3%4 × %5 mm, %6 per sheet)</source>
        <extracomment>A sheet in the list: its name, description, labels&apos; shape and size, labels per sheet.</extracomment>
        <translation>%1 — %2، %3%4 × %5 mm، ‏%6 في الورقة</translation>
    </message>
    <message>
        <source>Change Layout of All Cards</source>
        <translation>تغيير تخطيط كل البطاقات</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>التخطيط</translation>
    </message>
    <message>
        <source>&amp;Pictures per page</source>
        <translation>&amp;الصور في الصفحة</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>شبكة</translation>
    </message>
    <message>
        <source>P&amp;resets</source>
        <translation>قوالب</translation>
    </message>
    <message>
        <source>&amp;Sheets</source>
        <translation>&amp;أوراق</translation>
    </message>
    <message>
        <source>&amp;Fill: crop pictures to fill their cards</source>
        <translation>ملء: قصّ &amp;الصور لتملأ بطاقاتها</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;النزف:</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>حد&amp;ود</translation>
    </message>
    <message>
        <source>Pictures &amp;per page:</source>
        <translation>عدد &amp;الصور في الصفحة:</translation>
    </message>
    <message>
        <source>Por&amp;trait</source>
        <translation>طولي</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>عرضي</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>The card fills the page, as the toolbar&apos;s buttons lay it out.</source>
        <translation>تملأ البطاقة الصفحة، كما ترتّبها أزرار شريط الأدوات.</translation>
    </message>
    <message>
        <source>&amp;Columns × rows:</source>
        <translation>&amp;الأعمدة × الصفوف:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>طولي</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>عرضي</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>الورق:</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>حجم الورق:</translation>
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
        <translation>&amp;الوحدة:</translation>
    </message>
    <message>
        <source>Cards of this si&amp;ze, centred:</source>
        <translation>بطاقات بهذا الحجم، في &amp;الوسط:</translation>
    </message>
    <message>
        <source>across,</source>
        <translation>أفقيًا،</translation>
    </message>
    <message>
        <source>down</source>
        <translation>عموديًا</translation>
    </message>
    <message>
        <source>Gaps:</source>
        <translation>الفواصل:</translation>
    </message>
    <message>
        <source>The page &amp;divided evenly, margins:</source>
        <translation>الصفحة مقسومة بالتساوي، &amp;الهوامش:</translation>
    </message>
    <message>
        <source>Brand, part number or description</source>
        <translation>العلامة التجارية أو رقم القطعة أو الوصف</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;البحث:</translation>
    </message>
    <message>
        <source>No installed sheet matches &quot;%1&quot;.</source>
        <translation>لا ورقة مثبّتة تطابق &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>الأوراق: %1</translation>
    </message>
    <message>
        <source>Choose a preset.</source>
        <translation>اختر قالبًا.</translation>
    </message>
    <message>
        <source>Choose a sheet.</source>
        <translation>اختر ورقة.</translation>
    </message>
    <message>
        <source>The deck&apos;s %1 in order, with their words: %2.</source>
        <translation>صور الرزمة (%1) بترتيبها، مع كلماتها: %2.</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>صورة واحدة</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 من الصور</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>بطاقة واحدة</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 من البطاقات</translation>
    </message>
    <message>
        <source>%1 per page, as the toolbar lays it out</source>
        <translation>%1 في الصفحة، كما يرتّبها شريط الأدوات</translation>
    </message>
</context>
<context>
    <name>ferlo::LayoutPanel</name>
    <message>
        <source>Card</source>
        <translation>البطاقة</translation>
    </message>
    <message>
        <source>Picture %1: %2</source>
        <translation>الصورة %1: %2</translation>
    </message>
    <message>
        <source>Picture %1 that cannot be shown: %2</source>
        <translation>الصورة %1 التي لا يمكن عرضها: %2</translation>
    </message>
</context>
<context>
    <name>ferlo::SymbolBrowser</name>
    <message>
        <source>Pictures of your own symbol folders (Options) are found all the same.</source>
        <translation>يُعثر على صور مجلدات رموزك الخاصة (الخيارات) مع ذلك.</translation>
    </message>
    <message>
        <source>Search symbols</source>
        <translation>البحث عن رموز</translation>
    </message>
    <message>
        <source>Line art</source>
        <translation>رسم خطي</translation>
    </message>
    <message>
        <source>Symbols found</source>
        <translation>الرموز التي وُجدت</translation>
    </message>
</context>
<context>
    <name>ferlo::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>الإصدار: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Ferlo developers</source>
        <translation>حقوق النشر © 2026 مطوّرو Ferlo</translation>
    </message>
    <message>
        <source>Flash cards</source>
        <translation>بطاقات تعليمية</translation>
    </message>
    <message>
        <source>Pictures on a card, a word under each, cut lines between them: print the page and cut it into cards.</source>
        <translation>صور على بطاقة تحت كل منها كلمة: اطبع الصفحة وقُصّها بطاقات.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Symbols: OpenMoji (CC BY-SA 4.0), names: Unicode CLDR</source>
        <translation>الرموز: OpenMoji (CC BY-SA 4.0)، الأسماء: Unicode CLDR</translation>
    </message>
</context>
<context>
    <name>ferlo::TFerloMainForm</name>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تر&amp;اجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إعا&amp;دة</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>تر&amp;اجع عن %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>إعا&amp;دة %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Move card ear&amp;lier</source>
        <translation>تقديم البطاقة</translation>
    </message>
    <message>
        <source>Move card la&amp;ter</source>
        <translation>تأخير البطاقة</translation>
    </message>
    <message>
        <source>Change Layout of &amp;All Cards ...</source>
        <translation>تغيير تخطيط كل البطاقا&amp;ت ...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عر&amp;ض</translation>
    </message>
    <message>
        <source>Card &amp;Strip</source>
        <translation>شريط البطاقا&amp;ت</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>نقل الصورة</translation>
    </message>
    <message>
        <source>Card %1 holds that picture already</source>
        <translation>البطاقة %1 فيها هذه الصورة من قبل</translation>
    </message>
    <message>
        <source>Card %1 is full</source>
        <translation>البطاقة %1 ممتلئة</translation>
    </message>
    <message>
        <source>Moved to card %1</source>
        <translation>نُقلت إلى البطاقة %1</translation>
    </message>
    <message>
        <source>Change layout of all cards</source>
        <translation>تغيير تخطيط كل البطاقات</translation>
    </message>
    <message>
        <source>Open deck</source>
        <translation>فتح رزمة</translation>
    </message>
    <message>
        <source>Ferlo decks (%1)</source>
        <translation>رزم Ferlo ‏(%1)</translation>
    </message>
    <message>
        <source>Save deck</source>
        <translation>حفظ الرزمة</translation>
    </message>
    <message>
        <source>Save activity as deck</source>
        <translation>حفظ النشاط كرزمة</translation>
    </message>
    <message>
        <source>activity</source>
        <translation>نشاط</translation>
    </message>
    <message>
        <source>Untitled deck</source>
        <translation>رزمة بلا عنوان</translation>
    </message>
    <message>
        <source>%1[*] - Ferlo</source>
        <extracomment>The window&apos;s title: the deck&apos;s name, the mark of unsaved changes, the program&apos;s name.</extracomment>
        <translation>%1[*] - Ferlo</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>البطاقة %1 من %2</translation>
    </message>
    <message>
        <source>This application requires a screen resolution of 800x600 or higher.</source>
        <translation>يتطلب هذا البرنامج دقة شاشة 800x600 أو أعلى.</translation>
    </message>
    <message>
        <source>Select A Picture</source>
        <translation>اختر صورة</translation>
    </message>
    <message>
        <source>Select up to %1 Pictures</source>
        <translation>اختر حتى %1 من الصور</translation>
    </message>
    <message>
        <source>%1: the picture is damaged and shows only in part</source>
        <translation>‎%1‎: الصورة تالفة ولا يظهر إلا جزء منها</translation>
    </message>
    <message>
        <source>These pictures are damaged and show only in part: %1</source>
        <translation>هذه الصور تالفة ولا يظهر إلا جزء منها: ‎%1‎</translation>
    </message>
    <message>
        <source>Picture %1 that cannot be shown: %2</source>
        <translation>الصورة %1 التي لا يمكن عرضها: %2</translation>
    </message>
    <message>
        <source>Picture %1: %2</source>
        <translation>الصورة %1: %2</translation>
    </message>
    <message>
        <source>Turn Cutlines On</source>
        <translation>إظهار خطوط القص</translation>
    </message>
    <message>
        <source>Turn Cutlines Off</source>
        <translation>إخفاء خطوط القص</translation>
    </message>
    <message>
        <source>This file was not found: %1</source>
        <translation>لم يُعثر على هذا الملف: ‎%1‎</translation>
    </message>
    <message>
        <source>These files were not found: %1</source>
        <translation>لم يُعثر على هذه الملفات: ‎%1‎</translation>
    </message>
    <message>
        <source>This file is not a picture: %1</source>
        <translation>هذا الملف ليس صورة: ‎%1‎</translation>
    </message>
    <message>
        <source>These files are not pictures: %1</source>
        <translation>هذه الملفات ليست صورًا: ‎%1‎</translation>
    </message>
    <message>
        <source>One deck opens at a time; not opened: %1</source>
        <translation>تُفتح رزمة واحدة في كل مرة؛ لم يُفتح: ‎%1‎</translation>
    </message>
    <message>
        <source>Ferlo</source>
        <extracomment>The program&apos;s name, the window&apos;s title before a deck is shown.</extracomment>
        <translation>Ferlo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>&amp;New deck</source>
        <translation>&amp;رزمة جديدة</translation>
    </message>
    <message>
        <source>&amp;Open deck ...</source>
        <translation>فتح ر&amp;زمة ...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save &amp;as ...</source>
        <translation>حفظ باسم ...</translation>
    </message>
    <message>
        <source>Print se&amp;tup ...</source>
        <translation>&amp;إعداد الطباعة ...</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>طباعة ...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view ...</source>
        <translation>معاينة &amp;الطباعة ...</translation>
    </message>
    <message>
        <source>&amp;Export PDF ...</source>
        <translation>تصدير &amp;PDF ...</translation>
    </message>
    <message>
        <source>&amp;Double-Sided Printing ...</source>
        <translation>الطباعة على الوجهين ...</translation>
    </message>
    <message>
        <source>Print &amp;Calibration Sheet ...</source>
        <translation>طباعة &amp;ورقة المعايرة ...</translation>
    </message>
    <message>
        <source>e&amp;xit</source>
        <translation>خرو&amp;ج</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>بطاقة</translation>
    </message>
    <message>
        <source>&amp;Previous card</source>
        <translation>البطاقة السابقة</translation>
    </message>
    <message>
        <source>Previous card</source>
        <translation>البطاقة السابقة</translation>
    </message>
    <message>
        <source>&amp;Next card</source>
        <translation>البطاقة التالية</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>البطاقة التالية</translation>
    </message>
    <message>
        <source>N&amp;ew card</source>
        <translation>بطاقة جديد&amp;ة</translation>
    </message>
    <message>
        <source>New card after this one</source>
        <translation>بطاقة جديدة بعد هذه</translation>
    </message>
    <message>
        <source>&amp;Remove card</source>
        <translation>إ&amp;زالة البطاقة</translation>
    </message>
    <message>
        <source>Remove this card from the deck</source>
        <translation>إزالة هذه البطاقة من الرزمة</translation>
    </message>
    <message>
        <source>&amp;Layout ...</source>
        <translation>&amp;التخطيط ...</translation>
    </message>
    <message>
        <source>Re&amp;cord</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Record: then click the picture whose word to record</source>
        <translation>تسجيل: ثم انقر على الصورة التي تريد تسجيل كلمتها</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>خيا&amp;رات ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعد&amp;ة</translation>
    </message>
    <message>
        <source>&amp;Help ...</source>
        <translation>مساعد&amp;ة ...</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>حو&amp;ل ...</translation>
    </message>
    <message>
        <source>Clear all pictures</source>
        <translation>مسح كل الصور</translation>
    </message>
    <message>
        <source>Edit label</source>
        <translation>تحرير الكلمة</translation>
    </message>
    <message>
        <source>1 Image Per Page</source>
        <translation>صورة واحدة في الصفحة</translation>
    </message>
    <message>
        <source>%1 Images Per Page</source>
        <translation>الصور في الصفحة: %1</translation>
    </message>
    <message>
        <source>Portrait Orientation</source>
        <translation>اتجاه طولي</translation>
    </message>
    <message>
        <source>Landscape Orientation</source>
        <translation>اتجاه عرضي</translation>
    </message>
    <message>
        <source>Cut Lines</source>
        <translation>خطوط القص</translation>
    </message>
    <message>
        <source>&amp;Labels Off</source>
        <translation>&amp;دون كلمات</translation>
    </message>
    <message>
        <source>Uppercase Labels</source>
        <translation>كلمات بأحرف كبيرة</translation>
    </message>
    <message>
        <source>Lowercase Labels</source>
        <translation>كلمات بأحرف صغيرة</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button (verb): takes all pictures off the card.</extracomment>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Print Flashcard</source>
        <translation>طباعة البطاقة</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>الأقراص</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>ملفات الصور</translation>
    </message>
    <message>
        <source>Card area</source>
        <translation>منطقة البطاقة</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>البطاقة</translation>
    </message>
    <message>
        <source>Cannot keep the label word of card %1, cell %2: %3.</source>
        <translation>تعذّر الاحتفاظ بكلمة البطاقة %1، المكان %2: %3.</translation>
    </message>
    <message>
        <source>Turn Labels Off</source>
        <translation>إيقاف الكلمات</translation>
    </message>
    <message>
        <source>Turn Labels on</source>
        <translation>تشغيل الكلمات</translation>
    </message>
    <message>
        <source>&amp;Labels On</source>
        <translation>مع &amp;الكلمات</translation>
    </message>
    <message>
        <source>Layout %1</source>
        <extracomment>A step of the undo history: the layout&apos;s name, or a grid&apos;s size.</extracomment>
        <translation>التخطيط %1</translation>
    </message>
    <message>
        <source>%1 × %2 grid</source>
        <translation>شبكة %1 × %2</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>البطاقة %1: %2</translation>
    </message>
    <message>
        <source>The deck %1 uses sheets that are not installed. Their cards keep their pictures and are saved as they are, but cannot be shown or printed here.
%2</source>
        <translation>الرزمة ‎%1‎ تستخدم أوراقًا غير مثبّتة. تحتفظ بطاقاتها بصورها وتُحفظ كما هي، لكن لا يمكن عرضها أو طباعتها هنا.
%2</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>مستوى التسجيل</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;إيقاف</translation>
    </message>
    <message>
        <source>Recording &quot;%1&quot;</source>
        <translation>تسجيل &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Nothing was heard: the word &quot;%1&quot; was not recorded.</source>
        <translation>لم يُسمع شيء: لم تُسجَّل الكلمة &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder %1 can&apos;t be written, and the deck has no folder yet: save the deck, then record again.</source>
        <translation>تتعذّر الكتابة في المجلد ‎%1‎، وليس للرزمة مجلد بعد: احفظ الرزمة، ثم سجّل مرة أخرى.</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The title of a question while a word&apos;s recording is saved.</extracomment>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>The folder %1 can&apos;t be written. Save the recording beside the deck instead?</source>
        <translation>تتعذّر الكتابة في المجلد ‎%1‎. هل تريد حفظ التسجيل بجانب الرزمة بدلًا من ذلك؟</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>‎%1‎ موجود من قبل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>&amp;Record word</source>
        <translation>تسجيل &amp;الكلمة</translation>
    </message>
    <message>
        <source>&amp;Edit word</source>
        <translation>تحرير الكلمة</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>إ&amp;زالة</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>حُفظ %1</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>كُتب في %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 was not written</source>
        <translation>أُلغي: لم يُكتب %1</translation>
    </message>
    <message>
        <source>Sent to the printer %1</source>
        <translation>أُرسل إلى الطابعة %1</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>أُلغيت الطباعة</translation>
    </message>
    <message>
        <source>Deck P&amp;roperties ...</source>
        <translation>خصائص الرزمة ...</translation>
    </message>
    <message>
        <source>Pictures that did not fit on the new layout: %1 (Undo brings them back)</source>
        <translation>صور لم تتسع لها التخطيطة الجديدة: %1 (التراجع يعيدها)</translation>
    </message>
    <message>
        <source>Recorded &quot;%1&quot; in %2</source>
        <translation>سُجّلت «%1» في %2</translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be removed: %2</source>
        <translation>تعذّر حذف نسخة الاستعادة ‎%1‎: %2</translation>
    </message>
    <message>
        <source>A symbol&apos;s word is kept beside the deck: save the deck, then record.</source>
        <translation>تُحفظ كلمة الرمز بجوار الرزمة: احفظ الرزمة، ثم سجّل.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>الرموز</translation>
    </message>
    <message>
        <source>Cards from &amp;Words ...</source>
        <translation>&amp;إنشاء بطاقات من الكلمات ...</translation>
    </message>
    <message>
        <source>Cards from Words</source>
        <translation>بطاقات من الكلمات</translation>
    </message>
    <message>
        <source>Add activity</source>
        <translation>إضافة لعبة</translation>
    </message>
    <message>
        <source>Make &amp;Activity ...</source>
        <translation>صنع لعبة ...</translation>
    </message>
</context>
<context>
    <name>ferlo::TdlgOptions</name>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>خيارات الطباعة</translation>
    </message>
    <message>
        <source>Print as DIB</source>
        <translation>الطباعة بصيغة DIB</translation>
    </message>
    <message>
        <source>Print image as original format</source>
        <translation>طباعة الصورة بصيغتها الأصلية</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Spee&amp;ch ...</source>
        <translation>&amp;النطق ...</translation>
    </message>
    <message>
        <source>&amp;Reopen the last deck on start</source>
        <translation>إعادة فتح آخر رزمة عند البدء</translation>
    </message>
    <message>
        <source>Sym&amp;bols ...</source>
        <translation>&amp;رموز ...</translation>
    </message>
</context>
<context>
    <name>ferlo::TdlgSpeech</name>
    <message>
        <source>Speech</source>
        <translation>النطق</translation>
    </message>
    <message>
        <source>&amp;Speak words that have no recording</source>
        <translation>&amp;انطق الكلمات التي ليس لها تسجيل</translation>
    </message>
    <message>
        <source> words per minute</source>
        <translation> كلمة في الدقيقة</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;الصوت:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;السرعة:</translation>
    </message>
    <message>
        <source>The deck&apos;s or the program&apos;s language</source>
        <translation>لغة الرزمة أو لغة البرنامج</translation>
    </message>
</context>
</TS>
