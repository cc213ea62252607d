<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Ворожіння</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>&amp;Сорочка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про гру</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Спитай у карт, прочитай знак</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Неісповідимі шляхи Господні!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Усе йде як по маслу</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>За все братися — нічого не встигнути</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Важко</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Усі дороги ведуть до Риму</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Стережися чужих підступів</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Будь-яке прохання буде виконано</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Ненадійно</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Тішся успіхом</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Втрата може обернутися здобутком, і навпаки</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Усе бездоганно, кращого й бажати годі</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Нескінченні сварки між жінками в родині</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>Чужа жінка — що вода</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Що посієш, те й пожнеш</translation>
    </message>
</context>
</TS>
