<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Commands</name>
    <message>
        <source>Export Co&amp;mpiled (.wmlc)...</source>
        <translation>E&amp;xportovat přeložený (.wmlc)...</translation>
    </message>
    <message>
        <source>Write the page compiled to WBXML, as a phone receives it</source>
        <translation>Uložit stránku přeloženou do WBXML, jak ji dostane telefon</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>Compiled WML files (*.wmlc)</source>
        <translation>Přeložené soubory WML (*.wmlc)</translation>
    </message>
</context>
<context>
    <name>DeckSizeReport</name>
    <message>
        <source>en_US</source>
        <comment>locale of the numbers in the size gauge</comment>
        <translation>cs_CZ</translation>
    </message>
    <message>
        <source>card without id</source>
        <translation>karta bez id</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>karta %1</translation>
    </message>
    <message>
        <source>template</source>
        <translation>šablona (template)</translation>
    </message>
    <message>
        <source>head</source>
        <translation>hlavička (head)</translation>
    </message>
    <message>
        <source>%1 / %2 B</source>
        <translation>%1 / %2 B</translation>
    </message>
    <message>
        <source>The deck cannot be compiled until it is well-formed XML.</source>
        <translation>Balíček nelze přeložit, dokud není správně utvořeným XML.</translation>
    </message>
    <message>
        <source>The %1 takes compiled decks of up to %2 bytes.</source>
        <translation>%1 přijme přeložené balíčky do %2 bajtů.</translation>
    </message>
    <message>
        <source>The deck compiles to %1 bytes, %2 more than the %3 takes (%4 bytes).</source>
        <translation>Přeložený balíček má %1 bajtů, o %2 víc, než přijme %3 (%4 bajtů).</translation>
    </message>
    <message>
        <source>The deck compiles to %1 bytes, %2 of the %3&apos;s limit of %4 bytes.</source>
        <translation>Přeložený balíček má %1 bajtů, %2 limitu %4 bajtů telefonu %3.</translation>
    </message>
    <message>
        <source>Header and string table: %1 B (%2)</source>
        <translation>Záhlaví a tabulka řetězců: %1 B (%2)</translation>
    </message>
    <message>
        <source>%1: %2 B (%3)</source>
        <translation>%1: %2 B (%3)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Telefon</translation>
    </message>
    <message>
        <source>Choose the phone whose limits apply while the Preview shows no phone of its own</source>
        <translation>Zvolit telefon, jehož limity platí, dokud náhled neukazuje vlastní telefon</translation>
    </message>
    <message>
        <source>No phones in devices.ini</source>
        <translation>V devices.ini nejsou žádné telefony</translation>
    </message>
    <message>
        <source>%1: screen %2 pixels, compiled decks up to %3 bytes</source>
        <translation>%1: obrazovka %2 pixelů, přeložené balíčky do %3 bajtů</translation>
    </message>
    <message>
        <source>The page cannot be compiled: line %1: %2</source>
        <translation>Stránku nelze přeložit: řádek %1: %2</translation>
    </message>
    <message>
        <source>The page cannot be compiled: it holds no deck.</source>
        <translation>Stránku nelze přeložit: neobsahuje žádný balíček.</translation>
    </message>
    <message>
        <source>%1 is too large for a compiled deck.</source>
        <translation>%1 je na přeložený balíček příliš velký.</translation>
    </message>
    <message>
        <source>%1 is not a compiled WML deck: %2</source>
        <translation>%1 není přeložený balíček WML: %2</translation>
    </message>
</context>
<context>
    <name>TMDIChild</name>
    <message>
        <source>A compiled deck, shown decoded and read-only: save it as a WML page to edit it</source>
        <translation>Přeložený balíček, zobrazený dekódovaný a jen pro čtení: pro úpravy jej uložte jako stránku WML</translation>
    </message>
</context>
</TS>
