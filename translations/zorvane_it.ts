<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Predizione</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>&amp;Nuovo dorso</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>In&amp;formazioni</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Interroga le carte, leggi il presagio</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Il disegno di Dio è ignoto!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Tutto mi va a gonfie vele</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Chi troppo vuole nulla stringe</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Tutte le strade portano a Roma</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Guardati dagli intrighi</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Ogni richiesta sarà esaudita</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Inaffidabile</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Goditi il successo</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Non tutto il male vien per nuocere, e viceversa</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Perfetto in tutto, non lascia nulla a desiderare</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Liti senza fine tra le donne di casa</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>La donna di fuori è acqua</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Chi semina raccoglie</translation>
    </message>
</context>
</TS>
