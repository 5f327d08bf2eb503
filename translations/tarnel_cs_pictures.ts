<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>WbmpCodec</name>
    <message>
        <source>The file ends inside the WBMP header</source>
        <translation>Soubor končí uprostřed hlavičky WBMP</translation>
    </message>
    <message>
        <source>The WBMP header holds a number longer than four bytes</source>
        <translation>Hlavička WBMP obsahuje číslo delší než čtyři bajty</translation>
    </message>
    <message>
        <source>The picture is larger than %1 × %1 pixels</source>
        <translation>Obrázek je větší než %1 × %1 pixelů</translation>
    </message>
    <message>
        <source>The picture is WBMP type %1; only type 0 (black and white) can be read</source>
        <translation>Obrázek je WBMP typu %1; číst lze jen typ 0 (černobílý)</translation>
    </message>
    <message>
        <source>The picture has no pixels (%1 × %2)</source>
        <translation>Obrázek nemá žádné pixely (%1 × %2)</translation>
    </message>
    <message>
        <source>The picture's rows end after %1 of its %2 rows</source>
        <translation>Řádky obrázku končí po %1 z jeho %2 řádků</translation>
    </message>
    <message>
        <source>The picture cannot be written as WBMP: it is empty or larger than %1 × %1 pixels</source>
        <translation>Obrázek nelze zapsat jako WBMP: je prázdný nebo větší než %1 × %1 pixelů</translation>
    </message>
    <message>
        <source>%1 cannot be read as a WBMP picture: %2</source>
        <translation>%1 nelze přečíst jako obrázek WBMP: %2</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Obrázky (%1)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Všechny soubory (*.*)</translation>
    </message>
    <message>
        <source>Cannot read picture %1: %2</source>
        <translation>Nelze přečíst obrázek %1: %2</translation>
    </message>
</context>
<context>
    <name>Checker</name>
    <message>
        <source>There is no picture %1 beside the deck</source>
        <translation>Vedle balíčku není obrázek %1</translation>
    </message>
    <message>
        <source>%1 is not a WBMP type 0 picture, the one kind every WAP phone shows</source>
        <translation>%1 není obrázek WBMP typu 0, jediný druh, který zobrazí každý telefon WAP</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels; the screen of the %3 is %4 × %5</source>
        <translation>Obrázek má %1 × %2 pixelů; displej telefonu %3 má %4 × %5</translation>
    </message>
    <message>
        <source>The picture is only %1 × %2 pixels, too small to be seen on a phone (8 × 8 at least)</source>
        <translation>Obrázek má jen %1 × %2 pixelů, na telefonu je příliš malý (nejméně 8 × 8)</translation>
    </message>
    <message>
        <source>The picture %1 is %2 bytes; the %3 shows pictures up to %4 bytes</source>
        <translation>Obrázek %1 má %2 bajtů; telefon %3 zobrazí obrázky do %4 bajtů</translation>
    </message>
</context>
<context>
    <name>PictureConverterDialog</name>
    <message>
        <source>Convert Picture to WBMP</source>
        <translation>Převést obrázek na WBMP</translation>
    </message>
    <message>
        <source>Original: %1 × %2 pixels</source>
        <translation>Původní: %1 × %2 pixelů</translation>
    </message>
    <message>
        <source>On the %1 (%2):</source>
        <translation>Na telefonu %1 (%2):</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixelů</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Přizpůsobit</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Práh</translation>
    </message>
    <message>
        <source>Ordered</source>
        <translation>Uspořádaný rastr</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>Rozptyl chyby</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertovat</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Úroveň:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>Šíř&amp;ka:</translation>
    </message>
    <message>
        <source>&amp;Dithering:</source>
        <translation>&amp;Rastrování:</translation>
    </message>
    <message>
        <source>&amp;Brightness:</source>
        <translation>&amp;Jas:</translation>
    </message>
    <message>
        <source>&amp;Contrast:</source>
        <translation>K&amp;ontrast:</translation>
    </message>
    <message>
        <source>&amp;Magnify:</source>
        <translation>&amp;Zvětšení:</translation>
    </message>
    <message>
        <source>The phone's pixels are %1 times as tall as wide; the height follows.</source>
        <translation>Pixely telefonu jsou %1krát vyšší než širší; výška se tomu přizpůsobí.</translation>
    </message>
    <message>
        <source>C&amp;rop</source>
        <translation>O&amp;říznout</translation>
    </message>
    <message>
        <source>Left, top:</source>
        <translation>Vlevo, nahoře:</translation>
    </message>
    <message>
        <source>Width, height:</source>
        <translation>Šířka, výška:</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 bytes</source>
        <translation>%1 × %2 pixelů, %3 bajtů</translation>
    </message>
    <message>
        <source>Larger than the screen of the %1.</source>
        <translation>Větší než displej telefonu %1.</translation>
    </message>
    <message>
        <source>Heavier than the %1 bytes the %2 takes.</source>
        <translation>Větší než %1 bajtů, které přijme telefon %2.</translation>
    </message>
</context>
<context>
    <name>CanvasSizeDialog</name>
    <message>
        <source>Canvas Size</source>
        <translation>Velikost plátna</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixelů</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>Šíř&amp;ka:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Výška:</translation>
    </message>
</context>
<context>
    <name>WbmpPictureWindow</name>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Vrátit poslední tah</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Redo the stroke undone</source>
        <translation>Znovu provést vrácený tah</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertovat</translation>
    </message>
    <message>
        <source>Swap black and white</source>
        <translation>Zaměnit černou a bílou</translation>
    </message>
    <message>
        <source>Canvas Size...</source>
        <translation>Velikost plátna...</translation>
    </message>
    <message>
        <source>Change the picture's width and height</source>
        <translation>Změnit šířku a výšku obrázku</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Oddálit</translation>
    </message>
    <message>
        <source>Show the pixels smaller</source>
        <translation>Zobrazit pixely menší</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Přiblížit</translation>
    </message>
    <message>
        <source>Show the pixels larger</source>
        <translation>Zobrazit pixely větší</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Mřížka</translation>
    </message>
    <message>
        <source>Show a grid between the pixels at high zoom</source>
        <translation>Při velkém zvětšení zobrazit mřížku mezi pixely</translation>
    </message>
    <message>
        <source>Untitled.wbmp</source>
        <translation>Bez_nazvu.wbmp</translation>
    </message>
    <message>
        <source> %1 × %2 pixels, %3 bytes, shown × %4</source>
        <translation> %1 × %2 pixelů, %3 bajtů, zobrazeno × %4</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Replace it?</source>
        <translation>%1 již existuje.<byte value="xd"/>Nahradit?</translation>
    </message>
</context>
<context>
    <name>TMDIChild</name>
    <message>
        <source>Pictur&amp;e from File...</source>
        <translation>Obrázek ze &amp;souboru...</translation>
    </message>
    <message>
        <source>Convert a picture to WBMP and insert it</source>
        <translation>Převést obrázek na WBMP a vložit ho</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Vložit</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;Convert Picture to WBMP...</source>
        <translation>Pře&amp;vést obrázek na WBMP...</translation>
    </message>
    <message>
        <source>Convert a picture to a black and white WBMP picture for phones</source>
        <translation>Převést obrázek na černobílý obrázek WBMP pro telefony</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Uložit...</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>%1 already exists.<byte value="xd"/>Replace it?</source>
        <translation>%1 již existuje.<byte value="xd"/>Nahradit?</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>WBMP pictures (*.wbmp)</source>
        <translation>Obrázky WBMP (*.wbmp)</translation>
    </message>
</context>
</TS>
