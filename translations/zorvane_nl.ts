<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Voorspelling</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>Nieuwe &amp;rug</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Vraag de kaarten, lees het voorteken</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Gods wegen zijn ondoorgrondelijk!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Alles gaat naar wens</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Wie alles doet, doet niets goed</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Alle wegen leiden naar Rome</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Pas op voor een valstrik</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Elk verzoek wordt ingewilligd</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Onbetrouwbaar</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Geniet van het succes</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Een verlies kan een winst blijken, en omgekeerd</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Volmaakt in alles, er valt niets meer te wensen</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Eindeloos gekibbel tussen de vrouwen van de familie</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>De vrouw buitenshuis is water</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Wat je zaait, zul je oogsten</translation>
    </message>
</context>
</TS>
