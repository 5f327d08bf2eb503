<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Browser</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Volby</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Přejít</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>WMLScript is not supported</source>
        <translation>WMLScript není podporován</translation>
    </message>
    <message>
        <source>The deck cannot be fetched</source>
        <translation>Balíček nelze načíst</translation>
    </message>
    <message>
        <source>There is no link or field to select on this card</source>
        <translation>Na této kartě není odkaz ani pole, které by šlo vybrat</translation>
    </message>
    <message>
        <source>The link has no address</source>
        <translation>Odkaz nemá adresu</translation>
    </message>
    <message>
        <source>No list is open</source>
        <translation>Není otevřen žádný seznam</translation>
    </message>
    <message>
        <source>The list has no option %1</source>
        <translation>Seznam nemá volbu %1</translation>
    </message>
    <message>
        <source>The phone has no right soft key</source>
        <translation>Telefon nemá pravé funkční tlačítko</translation>
    </message>
    <message>
        <source>Access denied: %1 does not let this deck in</source>
        <translation>Přístup odepřen: %1 tento balíček nepouští dál</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Soubor nenalezen: %1</translation>
    </message>
    <message>
        <source>No input field is open</source>
        <translation>Není otevřeno žádné vstupní pole</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit the field's format</source>
        <translation>„%1“ neodpovídá formátu pole</translation>
    </message>
    <message>
        <source>The deck has no card</source>
        <translation>Balíček nemá žádnou kartu</translation>
    </message>
    <message>
        <source>%1 is a folder, not a deck</source>
        <translation>%1 je složka, ne balíček</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 je příliš velký</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Nelze číst %1</translation>
    </message>
    <message>
        <source>The right soft key does nothing on an error screen</source>
        <translation>Pravé funkční tlačítko na chybové obrazovce nic nedělá</translation>
    </message>
    <message>
        <source>The compiled deck cannot be read: %1</source>
        <translation>Přeložený balíček nelze přečíst: %1</translation>
    </message>
    <message>
        <source>The list is empty</source>
        <translation>Seznam je prázdný</translation>
    </message>
    <message>
        <source>The deck keeps moving on by itself; stopped after %1 steps</source>
        <translation>Balíček sám stále přechází dál; zastaveno po %1 krocích</translation>
    </message>
    <message>
        <source>The deck is not well-formed (line %1): %2</source>
        <translation>Balíček není správně utvořený (řádek %1): %2</translation>
    </message>
    <message>
        <source>Unknown kind of address: %1</source>
        <translation>Neznámý druh adresy: %1</translation>
    </message>
    <message>
        <source>No card is shown</source>
        <translation>Není zobrazena žádná karta</translation>
    </message>
    <message>
        <source>This is not a WML deck</source>
        <translation>Toto není balíček WML</translation>
    </message>
    <message>
        <source>Not a valid address: %1</source>
        <translation>Neplatná adresa: %1</translation>
    </message>
    <message>
        <source>The left soft key does nothing on this card</source>
        <translation>Levé funkční tlačítko na této kartě nic nedělá</translation>
    </message>
    <message>
        <source>The right soft key does nothing on this card</source>
        <translation>Pravé funkční tlačítko na této kartě nic nedělá</translation>
    </message>
    <message>
        <source>A deck from the network cannot open files of this computer</source>
        <translation>Balíček ze sítě nemůže otevírat soubory tohoto počítače</translation>
    </message>
</context>
</TS>
