<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Wróżba</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>&amp;Nowy rewers</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Zapytaj karty, odczytaj znak</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Niezbadane są wyroki Boże!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Wszystko idzie po mojej myśli</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Co do wszystkiego, to do niczego</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Trudno</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Wszystkie drogi prowadzą do Rzymu</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Strzeż się spisku</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Każda prośba zostanie spełniona</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Niepewne</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Ciesz się sukcesem</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Nie ma tego złego, co by na dobre nie wyszło, i odwrotnie</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Doskonałe pod każdym względem, nic dodać, nic ująć</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Niekończące się kłótnie kobiet w rodzinie</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>Kobieta spoza domu to woda</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Co zasiejesz, to zbierzesz</translation>
    </message>
</context>
</TS>
