<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>PreviewTab</name>
    <message>
        <source>Show the cards, or run the deck on the phone</source>
        <translation>Zobrazit karty, nebo spustit balíček v telefonu</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
</context>
<context>
    <name>PhoneInspector</name>
    <message>
        <source>Variables</source>
        <translation>Proměnné</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Hodnota</translation>
    </message>
    <message>
        <source>Change a value to see the card with it</source>
        <translation>Změňte hodnotu a karta se s ní zobrazí znovu</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Active do elements</source>
        <translation>Aktivní prvky do</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Poslední požadavek</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>A new context at the first card</source>
        <translation>Nový kontext na první kartě</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Timer: none</source>
        <translation>Časovač: žádný</translation>
    </message>
    <message>
        <source>Timer: %1.%2 s left</source>
        <translation>Časovač: zbývá %1,%2 s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádný</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;Inspector</source>
        <translation>&amp;Inspektor</translation>
    </message>
    <message>
        <source>Show/hide the phone&apos;s variables, history and timer beside the Phone mode</source>
        <translation>Zobrazit/skrýt proměnné, historii a časovač telefonu vedle režimu Telefon</translation>
    </message>
</context>
<context>
    <name>PhoneSession</name>
    <message>
        <source>No input field is open</source>
        <translation>Žádné vstupní pole není otevřené</translation>
    </message>
</context>
</TS>
