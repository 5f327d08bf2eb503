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
    <name>CommandLineOptions</name>
    <message>
        <source>Usage: tarnel [--help] [--version] [--] [FILE]...
Opens each FILE in its own document window; a file that does not exist is created empty.

  --help     print this text and exit
  --version  print the program&apos;s name and version and exit
  --         every argument after it is a file name (also one that begins with &quot;--&quot;)
</source>
        <translation>Použití: tarnel [--help] [--version] [--] [SOUBOR]...
Otevře každý SOUBOR ve vlastním okně dokumentu; soubor, který neexistuje, vytvoří prázdný.

  --help     vypíše tento text a skončí
  --version  vypíše název a verzi programu a skončí
  --         každý další argument je název souboru (i ten, který začíná „--“)
</translation>
    </message>
    <message>
        <source>tarnel: unknown option %1
Try &quot;tarnel --help&quot;; a file of that name opens as &quot;./%1&quot;.
</source>
        <translation>tarnel: neznámá volba %1
Zkuste „tarnel --help“; soubor tohoto jména otevřete jako „./%1“.
</translation>
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
        <source>Save to &amp;FTP...</source>
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
        <source>Remove &amp;tag</source>
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
        <source>S&amp;trong</source>
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
        <translation>O&amp;dkaz</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="31"/>
        <source>Table</source>
        <translation>Tabulka</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="33"/>
        <source>B&amp;utton</source>
        <translation>T&amp;lačítko</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="33"/>
        <source>Button</source>
        <translation>Tlačítko</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="35"/>
        <source>&amp;Image</source>
        <translation>Ob&amp;rázek</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="35"/>
        <source>Image</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="37"/>
        <source>P&amp;rev</source>
        <translation>Zp&amp;ět</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="37"/>
        <source>Prev</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/insertcommands.cpp" line="39"/>
        <source>Te&amp;mplate</source>
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
    <name>Checker</name>
    <message>
        <source>A deck must start with &lt;wml&gt;, not %1</source>
        <translation>Stránka musí začínat prvkem &lt;wml&gt;, ne %1</translation>
    </message>
    <message>
        <source>%1 is not a WML element; WML writes it %2</source>
        <translation>%1 není prvek WML; WML ho píše %2</translation>
    </message>
    <message>
        <source>%1 has no %2 attribute; WML writes it %3</source>
        <translation>%1 nemá atribut %2; WML ho píše %3</translation>
    </message>
    <message>
        <source>%1 is not a WML element</source>
        <translation>%1 není prvek WML</translation>
    </message>
    <message>
        <source>%1 came with WML %2; this deck is WML %3</source>
        <translation>%1 přibyl až ve WML %2; tato stránka je ve WML %3</translation>
    </message>
    <message>
        <source>%1 is not part of WML %2</source>
        <translation>%1 není součástí WML %2</translation>
    </message>
    <message>
        <source>%1 may not stand inside %2, which must be empty</source>
        <translation>%1 nesmí stát uvnitř %2, který musí být prázdný</translation>
    </message>
    <message>
        <source>%1 may not stand directly inside %2; put it in a %3</source>
        <translation>%1 nesmí stát přímo uvnitř %2; vložte ho do %3</translation>
    </message>
    <message>
        <source>%1 may not stand directly inside %2; put it in an %3</source>
        <translation>%1 nesmí stát přímo uvnitř %2; vložte ho do %3</translation>
    </message>
    <message>
        <source>%1 may not stand inside %2</source>
        <translation>%1 nesmí stát uvnitř %2</translation>
    </message>
    <message>
        <source>&lt;wml&gt; may not hold text; put it in a &lt;p&gt; inside a &lt;card&gt;</source>
        <translation>&lt;wml&gt; nesmí obsahovat text; vložte ho do &lt;p&gt; uvnitř &lt;card&gt;</translation>
    </message>
    <message>
        <source>%1 may not hold text; put it in a %2</source>
        <translation>%1 nesmí obsahovat text; vložte ho do %2</translation>
    </message>
    <message>
        <source>%1 may not hold text; put it in an %2</source>
        <translation>%1 nesmí obsahovat text; vložte ho do %2</translation>
    </message>
    <message>
        <source>%1 may not hold text</source>
        <translation>%1 nesmí obsahovat text</translation>
    </message>
    <message>
        <source>%1 may hold only one element; %2 is one too many</source>
        <translation>%1 smí obsahovat jen jeden prvek; %2 je navíc</translation>
    </message>
    <message>
        <source>%1 may hold only one %2</source>
        <translation>%1 smí obsahovat jen jeden %2</translation>
    </message>
    <message>
        <source>%1 may not come after %2 in %3</source>
        <translation>%1 nesmí v %3 následovat po %2</translation>
    </message>
    <message>
        <source>%1 may not come first in %2</source>
        <translation>%1 nesmí být v %2 první</translation>
    </message>
    <message>
        <source>%1 must contain %2</source>
        <translation>%1 musí obsahovat %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 nebo %2</translation>
    </message>
    <message>
        <source>%1 must be empty; write &lt;%2/&gt;</source>
        <translation>%1 musí být prázdný; pište &lt;%2/&gt;</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Odstranit %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Přidat %1</translation>
    </message>
    <message>
        <source>%1 has no %2 attribute</source>
        <translation>%1 nemá atribut %2</translation>
    </message>
    <message>
        <source>%1 has no %2 attribute in WML %3</source>
        <translation>%1 nemá ve WML %3 atribut %2</translation>
    </message>
    <message>
        <source>%1 needs an %2 attribute</source>
        <translation>%1 potřebuje atribut %2</translation>
    </message>
    <message>
        <source>%1 needs a %2 attribute</source>
        <translation>%1 potřebuje atribut %2</translation>
    </message>
    <message>
        <source>Write %1</source>
        <translation>Napsat %1</translation>
    </message>
    <message>
        <source>%1 must be %2, not &quot;%3&quot;</source>
        <translation>%1 musí být %2, ne „%3“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an event of %2; use %3</source>
        <translation>„%1“ není událost prvku %2; použijte %3</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &quot;%2&quot;</source>
        <translation>%1 musí být celé číslo, ne „%2“</translation>
    </message>
    <message>
        <source>%1 must be a number of pixels or a percentage (like 20 or 50%), not &quot;%2&quot;</source>
        <translation>%1 musí být počet pixelů nebo procento (např. 20 nebo 50%), ne „%2“</translation>
    </message>
    <message>
        <source>%1 may not be empty</source>
        <translation>%1 nesmí být prázdný</translation>
    </message>
    <message>
        <source>%1 may hold only letters, digits and . - _ :, not &quot;%2&quot;</source>
        <translation>%1 smí obsahovat jen písmena, číslice a . - _ :, ne „%2“</translation>
    </message>
    <message>
        <source>%1 must start with a letter or _ and hold only letters, digits and . - _ :, not &quot;%2&quot;</source>
        <translation>%1 musí začínat písmenem nebo _ a obsahovat jen písmena, číslice a . - _ :, ne „%2“</translation>
    </message>
</context>
<context>
    <name>CurlApi</name>
    <message>
        <source>The network library %1 cannot be used: %2</source>
        <translation>Síťovou knihovnu %1 nelze použít: %2</translation>
    </message>
</context>
<context>
    <name>Checker</name>
    <message>
        <source>&quot;%1&quot; is no timeout in tenths of a second, so the phone ignores this timer</source>
        <translation>„%1“ není časový limit v desetinách sekundy, proto telefon tento časovač přeskočí</translation>
    </message>
    <message>
        <source>Nothing happens when this timer runs out: give the card or the template an ontimer</source>
        <translation>Po vypršení tohoto časovače se nic nestane: dejte kartě nebo šabloně ontimer</translation>
    </message>
    <message>
        <source>No timer starts in this card, so its ontimer never fires</source>
        <translation>V této kartě se nespouští žádný časovač, proto její ontimer nikdy nenastane</translation>
    </message>
    <message>
        <source>The DOCTYPE has no public identifier, so it names no WML version</source>
        <translation>DOCTYPE nemá veřejný identifikátor, takže neuvádí žádnou verzi WML</translation>
    </message>
    <message>
        <source>Variables cannot be used in the &quot;%1&quot; attribute: its value is fixed in the deck</source>
        <translation>V atributu „%1“ nelze použít proměnné: jeho hodnota je v balíčku pevná</translation>
    </message>
    <message>
        <source>Variables cannot be used in the &quot;%1&quot; attribute; write $$ for a dollar sign</source>
        <translation>V atributu „%1“ nelze použít proměnné; znak dolaru pište jako $$</translation>
    </message>
    <message>
        <source>Write $$ for a dollar sign: the &quot;%1&quot; attribute cannot hold variables</source>
        <translation>Znak dolaru pište jako $$: atribut „%1“ nemůže obsahovat proměnné</translation>
    </message>
    <message>
        <source>Write $$</source>
        <translation>Napsat $$</translation>
    </message>
    <message>
        <source>Write $$ for a dollar sign</source>
        <translation>Znak dolaru pište jako $$</translation>
    </message>
    <message>
        <source>Close it with )</source>
        <translation>Uzavřít závorkou )</translation>
    </message>
    <message>
        <source>The variable reference &quot;%1&quot; has no closing parenthesis</source>
        <translation>Odkazu na proměnnou „%1“ chybí uzavírací závorka</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid variable reference: a variable name starts with a letter or _ and holds only letters, digits and _</source>
        <translation>„%1“ není platný odkaz na proměnnou: název proměnné začíná písmenem nebo _ a obsahuje jen písmena, číslice a _</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has an unknown conversion: use escape, noesc or unesc</source>
        <translation>„%1“ má neznámou konverzi: použijte escape, noesc nebo unesc</translation>
    </message>
    <message>
        <source>Conversions in capitals are deprecated: write &quot;%1&quot; in lower case</source>
        <translation>Konverze velkými písmeny jsou zastaralé: napište „%1“ malými písmeny</translation>
    </message>
    <message>
        <source>Write the conversion in lower case</source>
        <translation>Napsat konverzi malými písmeny</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read back as a variable: a variable name starts with a letter or _ and holds only letters, digits and _</source>
        <translation>„%1“ nelze přečíst jako proměnnou: název proměnné začíná písmenem nebo _ a obsahuje jen písmena, číslice a _</translation>
    </message>
    <message>
        <source>This setvar names no variable: the phone ignores it</source>
        <translation>Tento setvar neuvádí žádnou proměnnou: telefon jej přeskočí</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a variable name, so the phone ignores this setvar</source>
        <translation>„%1“ není název proměnné, proto telefon tento setvar přeskočí</translation>
    </message>
    <message>
        <source>Another card already has the id &quot;%1&quot; (line %2)</source>
        <translation>Id „%1“ už má jiná karta (řádek %2)</translation>
    </message>
    <message>
        <source>The link names no card after &quot;#&quot;</source>
        <translation>Odkaz za „#“ neuvádí žádnou kartu</translation>
    </message>
    <message>
        <source>No card has the id &quot;%1&quot;</source>
        <translation>Žádná karta nemá id „%1“</translation>
    </message>
    <message>
        <source>Another do in the template is already named &quot;%1&quot; (line %2)</source>
        <translation>Jiný do v šabloně se už jmenuje „%1“ (řádek %2)</translation>
    </message>
    <message>
        <source>Another do in this card is already named &quot;%1&quot; (line %2)</source>
        <translation>Jiný do v této kartě se už jmenuje „%1“ (řádek %2)</translation>
    </message>
    <message>
        <source>; a do without a name is named by its type</source>
        <translation>; do bez jména se jmenuje podle svého typu</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no &quot;%2&quot; event, so the phone ignores this onevent; it has %3</source>
        <translation>&lt;%1&gt; nemá událost „%2“, proto telefon tento onevent přeskočí; má %3</translation>
    </message>
    <message>
        <source>The %1 attribute of &lt;%2&gt; already handles this event (line %3)</source>
        <translation>Tuto událost už obsluhuje atribut %1 prvku &lt;%2&gt; (řádek %3)</translation>
    </message>
    <message>
        <source>Another onevent of this &lt;%1&gt; already handles %2 (line %3)</source>
        <translation>Událost %2 už obsluhuje jiný onevent tohoto &lt;%1&gt; (řádek %3)</translation>
    </message>
    <message>
        <source>An anchor holds exactly one task: this &lt;%1&gt; is one too many</source>
        <translation>Anchor obsahuje právě jednu úlohu: tento &lt;%1&gt; je navíc</translation>
    </message>
    <message>
        <source>This anchor has no task: put a go, prev or refresh in it</source>
        <translation>Tento anchor nemá úlohu: vložte do něj go, prev nebo refresh</translation>
    </message>
    <message>
        <source>A deck has at most one access element; the first is on line %1</source>
        <translation>Balíček smí mít nejvýš jeden prvek access; první je na řádku %1</translation>
    </message>
    <message>
        <source>A fieldset must not be empty: put fields or text in it, or remove it</source>
        <translation>Fieldset nesmí být prázdný: vložte do něj pole nebo text, nebo jej odstraňte</translation>
    </message>
    <message>
        <source>Remove the empty fieldset</source>
        <translation>Odstranit prázdný fieldset</translation>
    </message>
    <message>
        <source>Nothing keeps the choice made in this list: give the select a name or an iname, or its options an onpick</source>
        <translation>Volbu v tomto seznamu nic neuchová: dejte prvku select name nebo iname, nebo jeho volbám onpick</translation>
    </message>
    <message>
        <source>A meta element names its property once: give it name or http-equiv, not both</source>
        <translation>Prvek meta pojmenuje svou vlastnost jen jednou: dejte mu name, nebo http-equiv, ne obojí</translation>
    </message>
    <message>
        <source>A meta element needs a name or an http-equiv attribute</source>
        <translation>Prvek meta potřebuje atribut name nebo http-equiv</translation>
    </message>
    <message>
        <source>A table needs at least one column</source>
        <translation>Tabulka potřebuje aspoň jeden sloupec</translation>
    </message>
    <message>
        <source>The deck has no prologue: no XML declaration and no DOCTYPE</source>
        <translation>Balíček nemá prolog: chybí deklarace XML i DOCTYPE</translation>
    </message>
    <message>
        <source>Insert the WML %1 prologue</source>
        <translation>Vložit prolog WML %1</translation>
    </message>
    <message>
        <source>The deck has no XML declaration (&lt;?xml version=&quot;1.0&quot;?&gt;)</source>
        <translation>Balíček nemá deklaraci XML (&lt;?xml version=&quot;1.0&quot;?&gt;)</translation>
    </message>
    <message>
        <source>Insert the XML declaration</source>
        <translation>Vložit deklaraci XML</translation>
    </message>
    <message>
        <source>The deck has no DOCTYPE, so nothing says which WML version it is written in</source>
        <translation>Balíček nemá DOCTYPE, takže nic neříká, ve které verzi WML je napsán</translation>
    </message>
    <message>
        <source>Insert the WML %1 DOCTYPE</source>
        <translation>Vložit DOCTYPE WML %1</translation>
    </message>
    <message>
        <source>The DOCTYPE names &quot;%1&quot; as the root element, not wml</source>
        <translation>DOCTYPE uvádí jako kořenový prvek „%1“, ne wml</translation>
    </message>
    <message>
        <source>The DOCTYPE names no WML version: &quot;%1&quot; is not a WML public identifier</source>
        <translation>DOCTYPE neuvádí žádnou verzi WML: „%1“ není veřejný identifikátor WML</translation>
    </message>
    <message>
        <source>Write the WML %1 DOCTYPE</source>
        <translation>Napsat DOCTYPE WML %1</translation>
    </message>
    <message>
        <source>Declare %1</source>
        <translation>Deklarovat %1</translation>
    </message>
    <message>
        <source>The page is stored in %1 but declares no encoding, so it is read as UTF-8</source>
        <translation>Stránka je uložena v %1, ale kódování nedeklaruje, proto se čte jako UTF-8</translation>
    </message>
    <message>
        <source>The XML declaration says %1, but the page is stored in %2</source>
        <translation>Deklarace XML uvádí %1, ale stránka je uložena v %2</translation>
    </message>
    <message>
        <source>The encoding &quot;%1&quot; is not known; the page is stored in %2</source>
        <translation>Kódování „%1“ není známé; stránka je uložena v %2</translation>
    </message>
    <message>
        <source>The URL holds spaces and characters outside ASCII: write them %-escaped</source>
        <translation>URL obsahuje mezery a znaky mimo ASCII: zapište je kódované pomocí %</translation>
    </message>
    <message>
        <source>The URL holds a space: write it as %20</source>
        <translation>URL obsahuje mezeru: zapište ji jako %20</translation>
    </message>
    <message>
        <source>The URL holds characters outside ASCII: write them %-escaped</source>
        <translation>URL obsahuje znaky mimo ASCII: zapište je kódované pomocí %</translation>
    </message>
    <message>
        <source>The URL starts or ends with a space</source>
        <translation>URL začíná nebo končí mezerou</translation>
    </message>
    <message>
        <source>Escape the URL</source>
        <translation>Zakódovat URL</translation>
    </message>
    <message>
        <source>The deck is about %1 bytes of text, far more than the %2 takes compiled (%3 bytes)</source>
        <translation>Balíček má asi %1 bajtů textu, mnohem víc, než %2 přijme v přeloženém tvaru (%3 bajtů)</translation>
    </message>
    <message>
        <source>deck compiles to %1 bytes, above the %2 limit of %3 bytes</source>
        <translation>přeložený balíček má %1 bajtů, nad limitem %3 bajtů telefonu %2</translation>
    </message>
    <message>
        <source>The picture is %1 pixels wide; the %2 shows up to %3</source>
        <translation>Obrázek je široký %1 pixelů; %2 zobrazí nejvýš %3</translation>
    </message>
    <message>
        <source>The picture is %1 pixels high; the %2 shows up to %3</source>
        <translation>Obrázek je vysoký %1 pixelů; %2 zobrazí nejvýš %3</translation>
    </message>
    <message>
        <source>The URL is %1 characters long; the %2 follows URLs of up to %3</source>
        <translation>URL je dlouhé %1 znaků; %2 otevře URL nejvýš o %3 znacích</translation>
    </message>
</context>
<context>
    <name>CurlTransfer</name>
    <message>
        <location filename="../src/core/net/curltransfer.cpp" line="167"/>
        <location filename="../src/core/net/curltransfer.cpp" line="182"/>
        <location filename="../src/core/net/curltransfer.cpp" line="197"/>
        <source>Transfer cancelled</source>
        <translation>Přenos zrušen</translation>
    </message>
    <message>
        <location filename="../src/core/net/curltransfer.cpp" line="184"/>
        <source>The transfer stalled: nothing moved for %1 seconds</source>
        <translation>Přenos uvázl: %1 sekund se nic nepřeneslo</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>WML files (*.wml)</source>
        <translation>Soubory WML (*.wml)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Všechny soubory (*.*)</translation>
    </message>
    <message>
        <source>Template files (*.tem)</source>
        <translation>Šablony (*.tem)</translation>
    </message>
    <message>
        <source>WBMP files (*.wbmp)</source>
        <translation>Obrázky WBMP (*.wbmp)</translation>
    </message>
</context>
<context>
    <name>FormStorage</name>
    <message>
        <location filename="../src/core/common/formstorage.cpp" line="126"/>
        <source>Unable to write to %1</source>
        <translation>Nelze zapisovat do %1</translation>
    </message>
</context>
<context>
    <name>PreviewTab</name>
    <message>
        <location filename="../src/gui/preview/previewtab.cpp" line="64"/>
        <source>List of cards</source>
        <translation>Seznam karet</translation>
    </message>
    <message>
        <location filename="../src/gui/preview/previewtab.cpp" line="68"/>
        <source>List of devices</source>
        <translation>Seznam zařízení</translation>
    </message>
</context>
<context>
    <name>ProxyBox</name>
    <message>
        <location filename="../src/gui/app/proxybox.cpp" line="16"/>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <location filename="../src/gui/app/proxybox.cpp" line="27"/>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/proxybox.cpp" line="28"/>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
</context>
<context>
    <name>RemoteAddress</name>
    <message>
        <location filename="../src/core/net/remoteaddress.cpp" line="50"/>
        <source>&apos;%1&apos; is not an FTP address</source>
        <translation>&apos;%1&apos; není adresa FTP</translation>
    </message>
    <message>
        <location filename="../src/core/net/remoteaddress.cpp" line="66"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; není platné celé číslo</translation>
    </message>
    <message>
        <location filename="../src/core/net/remoteaddress.cpp" line="68"/>
        <source>&apos;%1&apos; is not a valid port number</source>
        <translation>&apos;%1&apos; není platné číslo portu</translation>
    </message>
</context>
<context>
    <name>RemoteDialog</name>
    <message>
        <location filename="../src/gui/app/remotedialog.cpp" line="20"/>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <location filename="../src/gui/app/remotedialog.cpp" line="23"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Storno</translation>
    </message>
</context>
<context>
    <name>CaretStatus</name>
    <message>
        <location filename="../src/core/editor/caretstatus.cpp" line="27"/>
        <source>INS</source>
        <translation>VKL</translation>
    </message>
    <message>
        <location filename="../src/core/editor/caretstatus.cpp" line="32"/>
        <source>OVR</source>
        <translation>PŘE</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <location filename="../src/gui/app/statuspanels.cpp" line="28"/>
        <source>Character set and line breaks the page is saved with</source>
        <translation>Znaková sada a konce řádků, se kterými se stránka uloží</translation>
    </message>
    <message>
        <location filename="../src/gui/app/statuspanels.cpp" line="31"/>
        <source>Line</source>
        <translation>Řádek</translation>
    </message>
    <message>
        <location filename="../src/gui/app/statuspanels.cpp" line="32"/>
        <source>Column</source>
        <translation>Sloupec</translation>
    </message>
    <message>
        <location filename="../src/gui/app/statuspanels.cpp" line="33"/>
        <source>Position: characters from the start of the page, line breaks counting two</source>
        <translation>Pozice: znaky od začátku stránky, konec řádku se počítá za dva</translation>
    </message>
    <message>
        <location filename="../src/gui/app/statuspanels.cpp" line="34"/>
        <source>Insert or overwrite: the Insert key switches</source>
        <translation>Vkládání nebo přepisování: přepíná klávesa Insert</translation>
    </message>
    <message>
        <source>Problems the checker found in the page (View &gt; Problems lists them)</source>
        <translation>Problémy, které kontrola ve stránce našla (vypíše je Zobrazení &gt; Problémy)</translation>
    </message>
</context>
<context>
    <name>TMDIChild</name>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="80"/>
        <source>WML</source>
        <translation>WML</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="92"/>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="96"/>
        <source>Preview</source>
        <translation>Náhled</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="107"/>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichild.cpp" line="119"/>
        <source>&amp;Insert</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/mdichildinsert.cpp" line="22"/>
        <source>&amp;Font</source>
        <translation>&amp;Písmo</translation>
    </message>
    <message>
        <source>&amp;Quick Fix...</source>
        <translation>Rychlá o&amp;prava...</translation>
    </message>
    <message>
        <source>Fix the problem at the caret</source>
        <translation>Opravit problém u kurzoru</translation>
    </message>
    <message>
        <source>No quick fix at the caret</source>
        <translation>U kurzoru není co rychle opravit</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="105"/>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="116"/>
        <source>&amp;View</source>
        <translation>&amp;Zobrazení</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="118"/>
        <source>Status &amp;Bar</source>
        <translation>&amp;Stavový řádek</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="122"/>
        <source>Show/hide the status bar in bottom of main window</source>
        <translation>Zobrazit/skrýt stavový řádek v dolní části hlavního okna</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="124"/>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="127"/>
        <source>Select language</source>
        <translation>Vybrat jazyk</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="129"/>
        <source>&amp;Window</source>
        <translation>&amp;Okno</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="135"/>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="137"/>
        <source>&amp;Help contents</source>
        <translation>&amp;Obsah nápovědy</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="140"/>
        <source>Information about program</source>
        <translation>Informace o programu</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="144"/>
        <source>&amp;Context help</source>
        <translation>&amp;Kontextová nápověda</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="147"/>
        <source>WML syntax help</source>
        <translation>Nápověda k syntaxi WML</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="151"/>
        <source>&amp;About</source>
        <translation>O &amp;programu</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="153"/>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainform.cpp" line="177"/>
        <location filename="../src/gui/app/mainform.cpp" line="179"/>
        <location filename="../src/gui/app/mainform.cpp" line="180"/>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformremote.cpp" line="29"/>
        <source>Starting transfer of </source>
        <translation>Zahajuji přenos </translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformremote.cpp" line="34"/>
        <source>Transfer OK</source>
        <translation>Přenos v pořádku</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformremote.cpp" line="39"/>
        <source>Before save to ftp file must be saved. Save now?</source>
        <translation>Před uložením na FTP je nutné soubor uložit. Uložit nyní?</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformremote.cpp" line="103"/>
        <source>Enter the path of the remote file to open</source>
        <translation>Zadejte cestu ke vzdálenému souboru</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformencoding.cpp" line="25"/>
        <source>File %1 is changed.<byte value="xd"/>Reopening it discards the changes. Reopen?</source>
        <translation>Soubor %1 byl změněn.<byte value="xd"/>Znovu otevřením se změny zahodí. Otevřít znovu?</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformencoding.cpp" line="30"/>
        <source>File %1 is not a text in the %2 character set</source>
        <translation>Soubor %1 není text ve znakové sadě %2</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformencoding.cpp" line="35"/>
        <source>This page has no file to reopen; save it first</source>
        <translation>Tato stránka nemá soubor, který by šlo znovu otevřít; nejprve ji uložte</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformencoding.cpp" line="40"/>
        <source>This page is stored as %1, which many phones and gateways cannot read.<byte value="xd"/>Save it as UTF-8?</source>
        <translation>Tato stránka je uložena v kódování %1, které mnoho telefonů a bran neumí přečíst.<byte value="xd"/>Uložit ji v kódování UTF-8?</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformencoding.cpp" line="49"/>
        <source>Reopen with Enco&amp;ding</source>
        <translation>Znovu otevřít v kó&amp;dování</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformencoding.cpp" line="52"/>
        <source>Read the page&apos;s file again in another character set</source>
        <translation>Znovu načíst soubor stránky v jiné znakové sadě</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformencoding.cpp" line="60"/>
        <source>&amp;Encoding</source>
        <translation>&amp;Kódování</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformencoding.cpp" line="64"/>
        <source>Character set of pages that are not UTF-8 and declare none, used when they are opened</source>
        <translation>Znaková sada stránek, které nejsou v UTF-8 a žádnou sadu neuvádějí; použije se při jejich otevření</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainformfiles.cpp" line="144"/>
        <source>%1 already exists.<byte value="xd"/>Replace it?</source>
        <translation>%1 již existuje.<byte value="xd"/>Nahradit?</translation>
    </message>
    <message>
        <source>Line &amp;Numbers</source>
        <translation>Čísla řá&amp;dků</translation>
    </message>
    <message>
        <source>Show/hide the line numbers at the left of the source text</source>
        <translation>Zobrazit/skrýt čísla řádků vlevo od zdrojového textu</translation>
    </message>
    <message>
        <source>Recent F&amp;iles</source>
        <translation>&amp;Poslední soubory</translation>
    </message>
    <message>
        <source>Open one of the files used last</source>
        <translation>Otevřít jeden z naposledy použitých souborů</translation>
    </message>
    <message>
        <source>%1 no longer exists and was taken off the list of recent files.</source>
        <translation>Soubor %1 už neexistuje a byl odebrán ze seznamu posledních souborů.</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problémy</translation>
    </message>
    <message>
        <source>Show/hide the list of the page's problems under the source text</source>
        <translation>Zobrazit/skrýt seznam problémů stránky pod zdrojovým textem</translation>
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
    <name>TfrmAbout</name>
    <message>
        <location filename="../src/gui/app/tfrmabout.cpp" line="15"/>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmabout.cpp" line="32"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmFIND</name>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="69"/>
        <source>Find/Replace</source>
        <translation>Najít/Nahradit</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="74"/>
        <source>Find</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="75"/>
        <source>Replace</source>
        <translation>Nahradit</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="77"/>
        <source>Option</source>
        <translation>Volby</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="79"/>
        <source>Match &amp;case</source>
        <translation>&amp;Rozlišovat velikost</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="81"/>
        <source>Match &amp;whole words</source>
        <translation>Celá &amp;slova</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="103"/>
        <source>Direction</source>
        <translation>Směr</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="103"/>
        <source>f&amp;orward</source>
        <translation>&amp;vpřed</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="103"/>
        <source>&amp;backward</source>
        <translation>&amp;zpět</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="105"/>
        <source>Begin from</source>
        <translation>Začít od</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="105"/>
        <source>c&amp;ursor</source>
        <translation>&amp;kurzor</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="105"/>
        <source>&amp;top</source>
        <translation>začá&amp;tek</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="108"/>
        <source>Cursor fixed in current pos.</source>
        <translation>Kurzor zůstane na místě</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="117"/>
        <source>&amp;Find</source>
        <translation>&amp;Najít</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="119"/>
        <source>&amp;Replace</source>
        <translation>Nahra&amp;dit</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="120"/>
        <source>Replace &amp;All</source>
        <translation>Nahradit vš&amp;e</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="121"/>
        <source>Cance&amp;l</source>
        <translation>St&amp;orno</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="175"/>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="192"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Hledat:</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="196"/>
        <source>R&amp;eplace with:</source>
        <translation>Nahradit &amp;čím:</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmfind.cpp" line="217"/>
        <source>Clear history</source>
        <translation>Vymazat historii</translation>
    </message>
</context>
<context>
    <name>TfrmOPENURL</name>
    <message>
        <location filename="../src/gui/app/tfrmopenurl.cpp" line="26"/>
        <source>Open from URL</source>
        <translation>Otevřít z URL</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmopenurl.cpp" line="52"/>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmopenurl.cpp" line="52"/>
        <source>User:</source>
        <translation>Uživatel:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmopenurl.cpp" line="52"/>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmopenurl.cpp" line="53"/>
        <source>Remote file:</source>
        <translation>Vzdálený soubor:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmopenurl.cpp" line="60"/>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmopenurl.cpp" line="61"/>
        <source>FTP</source>
        <translation>FTP</translation>
    </message>
</context>
<context>
    <name>TfrmQTABLE</name>
    <message>
        <location filename="../src/gui/editor/tfrmqtable.cpp" line="11"/>
        <source>Quick table</source>
        <translation>Rychlá tabulka</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmqtable.cpp" line="14"/>
        <source>Fill cells with</source>
        <translation>Buňky předvyplnit</translation>
    </message>
    <message>
        <location filename="../src/gui/editor/tfrmqtable.cpp" line="50"/>
        <source>Table %1 x %2</source>
        <translation>Tabulka %1 x %2</translation>
    </message>
</context>
<context>
    <name>TfrmSAVEFTP</name>
    <message>
        <location filename="../src/gui/app/tfrmsaveftp.cpp" line="14"/>
        <source>Save to ftp</source>
        <translation>Uložit na FTP</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmsaveftp.cpp" line="33"/>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmsaveftp.cpp" line="34"/>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmsaveftp.cpp" line="35"/>
        <source>User:</source>
        <translation>Uživatel:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmsaveftp.cpp" line="36"/>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmsaveftp.cpp" line="41"/>
        <source>Remote folder:</source>
        <translation>Vzdálená složka:</translation>
    </message>
</context>
<context>
    <name>TfrmWAPHELP</name>
    <message>
        <location filename="../src/gui/app/tfrmwaphelp.cpp" line="54"/>
        <source>Tarnel help</source>
        <translation>Nápověda Tarnel</translation>
    </message>
    <message>
        <location filename="../src/gui/app/tfrmwaphelp.cpp" line="63"/>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <location filename="../src/gui/app/transferprogress.cpp" line="20"/>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <location filename="../src/gui/app/transferprogress.cpp" line="32"/>
        <source>%1 bytes</source>
        <translation>%1 bajtů</translation>
    </message>
</context>
<context>
    <name>FtpUpload</name>
    <message>
        <location filename="../src/core/net/ftpupload.cpp" line="39"/>
        <source>The remote path %1 holds a line break</source>
        <translation>Vzdálená cesta %1 obsahuje konec řádku</translation>
    </message>
    <message>
        <location filename="../src/core/net/ftpupload.cpp" line="98"/>
        <source>The server did not let the upload replace %1 (%2); it was kept as %3</source>
        <translation>Server nedovolil, aby nahraný soubor nahradil %1 (%2); zůstal uložen jako %3</translation>
    </message>
    <message>
        <location filename="../src/core/net/ftpupload.cpp" line="107"/>
        <source>%1; the partial file %2 could not be removed from the server: %3</source>
        <translation>%1; neúplný soubor %2 se nepodařilo ze serveru odstranit: %3</translation>
    </message>
</context>
<context>
    <name>ProblemSet</name>
    <message>
        <source>No problems</source>
        <translation>Žádné problémy</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 chyba</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n chyba</numerusform>
            <numerusform>%n chyby</numerusform>
            <numerusform>%n chyb</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 varování</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n varování</numerusform>
            <numerusform>%n varování</numerusform>
            <numerusform>%n varování</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>error</source>
        <translation>chyba</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>varování</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ProblemList</name>
    <message>
        <source>Severity</source>
        <translation>Závažnost</translation>
    </message>
    <message>
        <source>Line:Column</source>
        <translation>Řádek:sloupec</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Zpráva</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Pravidlo</translation>
    </message>
    <message>
        <source>Problems of the page: double click a row or press Enter to go there</source>
        <translation>Problémy stránky: dvojklikem na řádek nebo klávesou Enter na něj přejdete</translation>
    </message>
</context>
</TS>
