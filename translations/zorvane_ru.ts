<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Гадание</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>&amp;Рубашка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О игре</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Спроси у карт, прочти знак</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Пути Господни неисповедимы!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Всё идёт как по маслу</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>За всё браться — ничего не успеть</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Трудно</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Все дороги ведут в Рим</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Берегись чужих козней</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Любая просьба будет исполнена</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Ненадёжно</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Радуйся успеху</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Потеря может обернуться находкой, и наоборот</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Всё безупречно, лучшего и желать нельзя</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Бесконечные ссоры между женщинами в семье</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>Чужая женщина — что вода</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Что посеешь, то и пожнёшь</translation>
    </message>
</context>
</TS>
