<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Polecenie &apos;%1 --help&apos; wyświetli więcej informacji.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <translation>Pasjans wróżebny: rozegraj rozdanie i odczytaj znaki.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>You can visit web page : </source>
        <translation>Odwiedź stronę: </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <translation>Copyright (C) 2026 Twórcy Zorvane</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <translation>Emblemat Zorvane</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <translation>Pomoc online Zorvane</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <translation>Pomoc Zorvane</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <translation>Otwórz pomoc online</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <translation>Do przeglądania pomocy online potrzebne jest połączenie z Internetem.</translation>
    </message>
</context>
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
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dwójka</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Czwórka</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Piątka</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Szóstka</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siódemka</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ósemka</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Dziewiątka</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dziesiątka</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Walet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Król</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>pusto</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>being read</source>
        <translation>w trakcie odczytu</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 karta</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n karta</numerusform>
            <numerusform>%n karty</numerusform>
            <numerusform>%n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>Waste: %1. Columns: %2. Stock: %3.</source>
        <translation>Stos: %1. Kolumny: %2. Talia: %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <translation>Znaki:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <translation>Klawisze od 1 do 5 przekładają wierzchnią kartę z tej kolumny na stos; Spacja lub 0 odkrywa wierzchnią kartę talii.</translation>
    </message>
    <message>
        <source>%1 from the stock; the stock is empty.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card.</extracomment>
        <translation>%1 z talii; talia jest pusta.</translation>
    </message>
    <message>
        <source>%1 from the stock; %2 left.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card, %2 the cards left (&quot;25 cards&quot;).</extracomment>
        <translation>%1 z talii; w talii: %2.</translation>
    </message>
    <message>
        <source>%1 from column %2; the column is empty.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number.</extracomment>
        <translation>%1 z kolumny %2; kolumna jest pusta.</translation>
    </message>
    <message>
        <source>%1 from column %2; %3 turned up.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number, %3 the card beneath, which turned face up.</extracomment>
        <translation>%1 z kolumny %2; odkryta: %3.</translation>
    </message>
    <message>
        <source>All columns are empty; the cards are being read.</source>
        <extracomment>Said when the last column card went onto the waste and the reading begins.</extracomment>
        <translation>Wszystkie kolumny są puste; trwa odczytanie kart.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <extracomment>Said before the new position when the cards are dealt anew.</extracomment>
        <translation>Nowe rozdanie.</translation>
    </message>
    <message>
        <source>The reading: %1</source>
        <extracomment>Said when the reading ends: %1 its omens, each followed by a full stop.</extracomment>
        <translation>Odczytanie: %1</translation>
    </message>
</context>
</TS>
