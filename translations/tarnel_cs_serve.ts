<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>GatewayDialog</name>
    <message>
        <source>Gateway Settings</source>
        <translation>Nastavení brány</translation>
    </message>
    <message>
        <source>Phones of the WAP 1.x era speak WSP to a gateway, which fetches the deck from this computer&apos;s server and compiles it. Kannel (Debian packages kannel and kannel-extras) is such a gateway; this writes its configuration.</source>
        <translation>Telefony z doby WAP 1.x mluví protokolem WSP s bránou, která stáhne balíček ze serveru tohoto počítače a přeloží ho. Takovou bránou je Kannel (balíčky Debianu kannel a kannel-extras); zde se zapíše jeho konfigurace.</translation>
    </message>
    <message>
        <source>&amp;Administration port:</source>
        <translation>Port &amp;správy:</translation>
    </message>
    <message>
        <source>&amp;Wapbox port:</source>
        <translation>Port &amp;wapboxu:</translation>
    </message>
    <message>
        <source>Phones reach the gateway over the &amp;network (WSP ports 9200 and 9201)</source>
        <translation>Telefony se k bráně připojují přes &amp;síť (porty WSP 9200 a 9201)</translation>
    </message>
    <message>
        <source>Configuration &amp;file:</source>
        <translation>Konfigurační &amp;soubor:</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Zapsat konfiguraci</translation>
    </message>
    <message>
        <source>The administration port and the wapbox port must differ</source>
        <translation>Port správy a port wapboxu se musí lišit</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nelze vytvořit soubor %1</translation>
    </message>
    <message>
        <source>The gateway&apos;s configuration is in %1. Start it with:
%2</source>
        <translation>Konfigurace brány je v souboru %1. Spusťte ji příkazy:
%2</translation>
    </message>
</context>
<context>
    <name>RequestLogPanel</name>
    <message>
        <source>Request Log</source>
        <translation>Záznam požadavků</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vymazat</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metoda</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>User-Agent</source>
        <translation>User-Agent</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
</context>
<context>
    <name>ServeDialog</name>
    <message>
        <source>Serve to Phone</source>
        <translation>Poskytnout telefonu</translation>
    </message>
    <message>
        <source>Listen on</source>
        <translation>Naslouchat</translation>
    </message>
    <message>
        <source>This &amp;computer only (127.0.0.1): phone simulators and a gateway here</source>
        <translation>Jen tento &amp;počítač (127.0.0.1): simulátory telefonů a brána zde</translation>
    </message>
    <message>
        <source>The local &amp;network: phones on the same Wi-Fi, gateways on other computers</source>
        <translation>Místní &amp;síť: telefony na stejné Wi-Fi, brány na jiných počítačích</translation>
    </message>
    <message>
        <source>Anyone on the network can then read every file of the folder %1, not only this deck.</source>
        <translation>Kdokoli v síti pak může číst každý soubor ze složky %1, nejen tento balíček.</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>Addresses to type into the phone or the gateway:</source>
        <translation>Adresy, které zadáte do telefonu nebo brány:</translation>
    </message>
    <message>
        <source>Cop&amp;y Address</source>
        <translation>&amp;Kopírovat adresu</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;Tools</source>
        <translation>Nás&amp;troje</translation>
    </message>
    <message>
        <source>Not serving. Tools &gt; Serve to Phone (F9) serves the active page&apos;s folder.</source>
        <translation>Server neběží. Nástroje &gt; Poskytnout telefonu (F9) zpřístupní složku aktivní stránky.</translation>
    </message>
    <message>
        <source>&amp;Serve to Phone</source>
        <translation>&amp;Poskytnout telefonu</translation>
    </message>
    <message>
        <source>Serve the active page&apos;s folder to phones and WAP gateways over HTTP</source>
        <translation>Zpřístupnit složku aktivní stránky telefonům a branám WAP přes HTTP</translation>
    </message>
    <message>
        <source>Serve Se&amp;ttings...</source>
        <translation>Nas&amp;tavení serveru...</translation>
    </message>
    <message>
        <source>Choose where the server listens and copy the addresses for the phone</source>
        <translation>Zvolit, kde server naslouchá, a zkopírovat adresy pro telefon</translation>
    </message>
    <message>
        <source>Request &amp;Log</source>
        <translation>&amp;Záznam požadavků</translation>
    </message>
    <message>
        <source>Show or hide the requests phones and gateways made</source>
        <translation>Zobrazit nebo skrýt požadavky telefonů a bran</translation>
    </message>
    <message>
        <source>&amp;Gateway Settings...</source>
        <translation>Nastavení &amp;brány...</translation>
    </message>
    <message>
        <source>Write a Kannel WAP gateway configuration for the running server</source>
        <translation>Zapsat konfiguraci brány WAP Kannel pro běžící server</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Server neběží.</translation>
    </message>
    <message>
        <source>Serving %1 at %2</source>
        <translation>Složka %1 je dostupná na %2</translation>
    </message>
    <message>
        <source>Save the page first: Serve to Phone serves the folder of the active page</source>
        <translation>Nejprve stránku uložte: Poskytnout telefonu zpřístupní složku aktivní stránky</translation>
    </message>
</context>
<context>
    <name>PhoneServer</name>
    <message>
        <source>Cannot serve %1 on %2: %3</source>
        <translation>Nelze zpřístupnit %1 na %2: %3</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>složka neexistuje</translation>
    </message>
    <message>
        <source>not an IP address</source>
        <translation>není to adresa IP</translation>
    </message>
    <message>
        <source>the address or port is not available</source>
        <translation>adresa nebo port nejsou k dispozici</translation>
    </message>
</context>
</TS>
