<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Спробуйте «%1 --help», щоб дізнатися більше.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <translation>Пасьянс-ворожіння: розіграй розклад і прочитай знаки.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
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
        <translation>Про програму %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <translation>Copyright (C) 2026 Розробники Zorvane</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <translation>Емблема Zorvane</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <translation>Онлайн-довідка Zorvane</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <translation>Довідка Zorvane</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <translation>Відкрити довідку</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <translation>Для перегляду довідки потрібне з&apos;єднання з Інтернетом.</translation>
    </message>
</context>
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
    <message>
        <source>Ace</source>
        <translation>Туз</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Двійка</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Трійка</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Четвірка</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>П&apos;ятірка</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Шістка</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Сімка</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Вісімка</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Дев&apos;ятка</translation>
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
        <translation>бубон</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>черв</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пік</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>being read</source>
        <translation>триває тлумачення</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 карта</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n карта</numerusform>
            <numerusform>%n карти</numerusform>
            <numerusform>%n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>Waste: %1. Columns: %2. Stock: %3.</source>
        <translation>Скид: %1. Стовпці: %2. Колода: %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <translation>Знаки:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <translation>Клавіші від 1 до 5 кладуть верхню карту цього стовпця до скиду; Пробіл або 0 відкриває верхню карту колоди.</translation>
    </message>
    <message>
        <source>%1 from the stock; the stock is empty.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card.</extracomment>
        <translation>%1 з колоди; колода порожня.</translation>
    </message>
    <message>
        <source>%1 from the stock; %2 left.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card, %2 the cards left (&quot;25 cards&quot;).</extracomment>
        <translation>%1 з колоди; у колоді: %2.</translation>
    </message>
    <message>
        <source>%1 from column %2; the column is empty.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number.</extracomment>
        <translation>%1 зі стовпця %2; стовпець порожній.</translation>
    </message>
    <message>
        <source>%1 from column %2; %3 turned up.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number, %3 the card beneath, which turned face up.</extracomment>
        <translation>%1 зі стовпця %2; відкрито: %3.</translation>
    </message>
    <message>
        <source>All columns are empty; the cards are being read.</source>
        <extracomment>Said when the last column card went onto the waste and the reading begins.</extracomment>
        <translation>Усі стовпці порожні; триває тлумачення карт.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <extracomment>Said before the new position when the cards are dealt anew.</extracomment>
        <translation>Новий розклад.</translation>
    </message>
    <message>
        <source>The reading: %1</source>
        <extracomment>Said when the reading ends: %1 its omens, each followed by a full stop.</extracomment>
        <translation>Тлумачення: %1</translation>
    </message>
</context>
</TS>
