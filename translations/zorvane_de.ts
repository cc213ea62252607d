<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Weissagung</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>Neuer &amp;Rücken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Frag die Karten, deute das Zeichen</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Gottes Plan ist unergründlich!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Alles läuft nach Wunsch</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Wer alles tut, tut nichts recht</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwierig</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Alle Wege führen nach Rom</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Hüte dich vor Ränkespielen</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Jede Bitte wird erfüllt</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Unbeständig</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Genieße den Erfolg</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Ein Verlust kann zum Gewinn werden und umgekehrt</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Vollkommen in jeder Hinsicht, nichts bleibt zu wünschen übrig</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Endloser Zank unter den Frauen der Familie</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>Die Frau in der Fremde ist Wasser</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Wie man sät, so erntet man</translation>
    </message>
</context>
</TS>
