<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>По команде «%1 --help» можно получить дополнительную информацию.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <translation>Гадальный пасьянс: разыграй расклад и прочти знаки.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>You can visit web page : </source>
        <translation>Наш сайт: </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <translation>Copyright (C) 2026 Разработчики Zorvane</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <translation>Эмблема Zorvane</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <translation>Онлайн-справка Zorvane</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <translation>Справка Zorvane</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <translation>Открыть справку</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <translation>Для просмотра справки нужно подключение к Интернету.</translation>
    </message>
</context>
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
    <message>
        <source>Ace</source>
        <translation>Туз</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Двойка</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Четвёрка</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Пятёрка</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Шестёрка</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Семёрка</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Восьмёрка</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Девятка</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Десятка</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Валет</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Дама</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Король</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубен</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пик</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>being read</source>
        <translation>идёт толкование</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 карта</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n карта</numerusform>
            <numerusform>%n карты</numerusform>
            <numerusform>%n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>Waste: %1. Columns: %2. Stock: %3.</source>
        <translation>Сброс: %1. Столбцы: %2. Колода: %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <translation>Знаки:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <translation>Клавиши от 1 до 5 кладут верхнюю карту этого столбца в сброс; Пробел или 0 открывает верхнюю карту колоды.</translation>
    </message>
    <message>
        <source>%1 from the stock; the stock is empty.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card.</extracomment>
        <translation>%1 из колоды; колода пуста.</translation>
    </message>
    <message>
        <source>%1 from the stock; %2 left.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card, %2 the cards left (&quot;25 cards&quot;).</extracomment>
        <translation>%1 из колоды; в колоде: %2.</translation>
    </message>
    <message>
        <source>%1 from column %2; the column is empty.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number.</extracomment>
        <translation>%1 из столбца %2; столбец пуст.</translation>
    </message>
    <message>
        <source>%1 from column %2; %3 turned up.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number, %3 the card beneath, which turned face up.</extracomment>
        <translation>%1 из столбца %2; открыта: %3.</translation>
    </message>
    <message>
        <source>All columns are empty; the cards are being read.</source>
        <extracomment>Said when the last column card went onto the waste and the reading begins.</extracomment>
        <translation>Все столбцы пусты; идёт толкование карт.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <extracomment>Said before the new position when the cards are dealt anew.</extracomment>
        <translation>Новый расклад.</translation>
    </message>
    <message>
        <source>The reading: %1</source>
        <extracomment>Said when the reading ends: %1 its omens, each followed by a full stop.</extracomment>
        <translation>Толкование: %1</translation>
    </message>
</context>
</TS>
