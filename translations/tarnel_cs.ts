<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AppTexts</name>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="16"/>
        <source>Confirm</source>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="17"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="18"/>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="19"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Storno</translation>
    </message>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="20"/>
        <source>Changed</source>
        <translation>Změněno</translation>
    </message>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="21"/>
        <source>Restart this program</source>
        <translation>Spusťte tento program znovu</translation>
    </message>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="22"/>
        <source>|Line, Column, Position, Insert/Overwrite, CapsLock, NumLock, File path</source>
        <translation>|Řádek, sloupec, pozice, vkládání/přepisování, CapsLock, NumLock, cesta k souboru</translation>
    </message>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="26"/>
        <source>File %1 is changed.<byte value="xd"/>Save?</source>
        <translation>Soubor %1 byl změněn.<byte value="xd"/>Uložit?</translation>
    </message>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="31"/>
        <source>No printer is installed. Use Printer Setup to print to a PDF file</source>
        <translation>Není nainstalována žádná tiskárna. Pro tisk do souboru PDF použijte Nastavení tiskárny</translation>
    </message>
    <message>
        <location filename="../src/gui/app/apptexts.cpp" line="36"/>
        <source>This page holds characters that the %1 character set cannot store.<byte value="xd"/>Save it as UTF-8?</source>
        <translation>Tato stránka obsahuje znaky, které nelze uložit ve znakové sadě %1.<byte value="xd"/>Uložit ji v kódování UTF-8?</translation>
    </message>
</context>
<context>
    <name>CollapsibleToolBar</name>
    <message>
        <location filename="../src/gui/app/collapsibletoolbar.cpp" line="26"/>
        <source>Collapse or expand the toolbar</source>
        <translation>Sbalit nebo rozbalit panel nástrojů</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="15"/>
        <source>&amp;Cascade</source>
        <translation>&amp;Kaskáda</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="16"/>
        <source>Tile &amp;Horizontally</source>
        <translation>Uspořádat &amp;vodorovně</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="17"/>
        <source>&amp;Tile Vertically</source>
        <translation>Uspořádat &amp;svisle</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="18"/>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="19"/>
        <source>Open a new WML page</source>
        <translation>Otevřít novou stránku WML</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="20"/>
        <source>New from &amp;template...</source>
        <translation>Nový ze ša&amp;blony...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="21"/>
        <source>Create a new WML page from template</source>
        <translation>Vytvořit novou stránku WML ze šablony</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="22"/>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="23"/>
        <source>Open a WML file</source>
        <translation>Otevřít soubor WML</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="24"/>
        <source>Open from &amp;URL...</source>
        <translation>Otevřít z UR&amp;L...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="25"/>
        <source>Open a WML file from URL</source>
        <translation>Otevřít soubor WML z URL</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="26"/>
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="27"/>
        <source>Close current WML page</source>
        <translation>Zavřít aktuální stránku WML</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="28"/>
        <source>Clos&amp;e All</source>
        <translation>Zavřít vš&amp;e</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="29"/>
        <source>Close all opened WML pages</source>
        <translation>Zavřít všechny otevřené stránky WML</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="30"/>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="31"/>
        <source>Save current WML page</source>
        <translation>Uložit aktuální stránku WML</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="32"/>
        <source>Save &amp;As...</source>
        <translation>Uložit &amp;jako...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="33"/>
        <source>Save current WML page to a new file</source>
        <translation>Uložit aktuální stránku WML do nového souboru</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="34"/>
        <source>&amp;Save to F&amp;TP...</source>
        <translation>Uložit na &amp;FTP...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="35"/>
        <source>Save file to FTP</source>
        <translation>Uložit soubor na FTP</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="36"/>
        <source>Save A&amp;ll</source>
        <translation>Uložit &amp;vše</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="37"/>
        <source>Save all opened WML pages</source>
        <translation>Uložit všechny otevřené stránky WML</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="38"/>
        <source>&amp;Print</source>
        <translation>&amp;Tisk</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="39"/>
        <source>Print current WML page to a default printer</source>
        <translation>Vytisknout aktuální stránku WML na výchozí tiskárně</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="40"/>
        <source>P&amp;rinter Setup...</source>
        <translation>Nastavení tiská&amp;rny...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="41"/>
        <source>Open Printer Setup window to change the default printer setup</source>
        <translation>Otevřít okno Nastavení tiskárny a změnit nastavení výchozí tiskárny</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="43"/>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="44"/>
        <source>Exit Tarnel program</source>
        <translation>Ukončit program Tarnel</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="45"/>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="46"/>
        <source>Re&amp;do</source>
        <translation>Zno&amp;vu</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="47"/>
        <source>&amp;Find...</source>
        <translation>&amp;Najít...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="48"/>
        <source>Find next</source>
        <translation>Najít další</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="49"/>
        <source>&amp;Replace...</source>
        <translation>Nah&amp;radit...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/commandtable.cpp" line="50"/>
        <source>&amp;Remove tag</source>
        <translation>&amp;Odstranit značku</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="10"/>
        <source>&amp;Card</source>
        <translation>&amp;Karta</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="10"/>
        <source>Insert card</source>
        <translation>Vložit kartu</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="12"/>
        <source>&amp;Bold</source>
        <translation>&amp;Tučné</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="12"/>
        <source>Bold</source>
        <translation>Tučné</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="14"/>
        <source>&amp;Italic</source>
        <translation>&amp;Kurzíva</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="14"/>
        <source>Italic</source>
        <translation>Kurzíva</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="16"/>
        <source>&amp;Underline</source>
        <translation>&amp;Podtržené</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="16"/>
        <source>Underline</source>
        <translation>Podtržené</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="18"/>
        <source>Bi&amp;g</source>
        <translation>&amp;Velké</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="18"/>
        <source>Big</source>
        <translation>Velké</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="20"/>
        <source>S&amp;mall</source>
        <translation>&amp;Malé</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="20"/>
        <source>Small</source>
        <translation>Malé</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="22"/>
        <source>Stron&amp;g</source>
        <translation>&amp;Silné</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="22"/>
        <source>Strong</source>
        <translation>Silné</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="24"/>
        <source>&amp;Paragraph</source>
        <translation>&amp;Odstavec</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="25"/>
        <source>Paragraph</source>
        <translation>Odstavec</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="26"/>
        <source>&amp;Break Line</source>
        <translation>&amp;Zalomit řádek</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="26"/>
        <source>Break line</source>
        <translation>Zalomit řádek</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="28"/>
        <source>&amp;Non-breaking Space</source>
        <translation>&amp;Nezlomitelná mezera</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="29"/>
        <source>Non-breaking space</source>
        <translation>Nezlomitelná mezera</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="30"/>
        <source>&amp;Table</source>
        <translation>&amp;Tabulka</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="31"/>
        <source>&amp;Link</source>
        <translation>&amp;Odkaz</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="31"/>
        <source>Table</source>
        <translation>Tabulka</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="33"/>
        <source>B&amp;utton</source>
        <translation>&amp;Tlačítko</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="33"/>
        <source>Button</source>
        <translation>Tlačítko</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="35"/>
        <source>&amp;Image</source>
        <translation>&amp;Obrázek</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="35"/>
        <source>Image</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="37"/>
        <source>P&amp;rev</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="37"/>
        <source>Prev</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="39"/>
        <source>&amp;Template</source>
        <translation>Š&amp;ablona</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="40"/>
        <source>Template</source>
        <translation>Šablona</translation>
    </message>
</context>
<context>
    <name>CompletionList</name>
    <message>
        <location filename="../src/gui/editor/completionlist.cpp" line="10"/>
        <source>Nazev</source>
        <translation>Název</translation>
    </message>
</context>
<context>
    <name>FormStorage</name>
    <message>
        <location filename="../src/core/common/formstorage.cpp" line="151"/>
        <source>Unable to write to %1</source>
        <translation>Nelze zapisovat do %1</translation>
    </message>
</context>
<context>
    <name>TMDIChild</name>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="76"/>
        <source>WML</source>
        <translation>WML</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="88"/>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="93"/>
        <source>Preview</source>
        <translation>Náhled</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="106"/>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="118"/>
        <source>&amp;Insert</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichildinsert.cpp" line="22"/>
        <source>&amp;Font</source>
        <translation>&amp;Písmo</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="98"/>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="109"/>
        <source>&amp;View</source>
        <translation>&amp;Zobrazení</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="111"/>
        <source>Status &amp;Bar</source>
        <translation>&amp;Stavový řádek</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="115"/>
        <source>Show/hide the status bar in bottom of main window</source>
        <translation>Zobrazit/skrýt stavový řádek v dolní části hlavního okna</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="117"/>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="120"/>
        <source>Select language</source>
        <translation>Vybrat jazyk</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="122"/>
        <source>&amp;Window</source>
        <translation>&amp;Okno</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="128"/>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="130"/>
        <source>&amp;Help contents</source>
        <translation>&amp;Obsah nápovědy</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="133"/>
        <source>Information about program</source>
        <translation>Informace o programu</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="135"/>
        <source>&amp;Context help</source>
        <translation>&amp;Kontextová nápověda</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="138"/>
        <source>WML syntax help</source>
        <translation>Nápověda k syntaxi WML</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="144"/>
        <source>&amp;About</source>
        <translation>O &amp;programu</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="146"/>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="170"/>
        <location filename="../src/gui/app/mainform.cpp" line="172"/>
        <location filename="../src/gui/app/mainform.cpp" line="173"/>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
</context>
<context>
    <name>TarnelError</name>
    <message>
        <location filename="../src/core/common/tarnelerror.cpp" line="12"/>
        <source>Cannot open file %1</source>
        <translation>Nelze otevřít soubor %1</translation>
    </message>
    <message>
        <location filename="../src/core/common/tarnelerror.cpp" line="17"/>
        <source>Cannot create file %1</source>
        <translation>Nelze vytvořit soubor %1</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <location filename="../src/core/common/textprinter.cpp" line="95"/>
        <source>Printing failed</source>
        <translation>Tisk se nezdařil</translation>
    </message>
</context>
<context>
    <name>TfrmQTABLE</name>
    <message>
        <location filename="../src/gui/editor/tfrmqtable.cpp" line="11"/>
        <source>Rychlá tabulka</source>
        <translation>Rychlá tabulka</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmqtable.cpp" line="14"/>
        <source>Buňky předvyplnit</source>
        <translation>Buňky předvyplnit</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmqtable.cpp" line="50"/>
        <source>Tabulka %1 x %2</source>
        <translation>Tabulka %1 x %2</translation>
    </message>
</context>
</TS>
