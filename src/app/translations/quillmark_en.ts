<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AIList</name>
    <message>
        <source>Серийный код транспортной упаковки   (SSCC-18)</source>
        <translation>Serial shipping container code   (SSCC-18)</translation>
    </message>
    <message>
        <source>Серийный код транспортной упаковки   (SSCC-14)</source>
        <translation>Serial shipping container code   (SSCC-14)</translation>
    </message>
    <message>
        <source>Число контейнеров</source>
        <translation>Number of containers</translation>
    </message>
    <message>
        <source>Номер партии</source>
        <translation>Batch or lot number</translation>
    </message>
    <message>
        <source>Дата производства</source>
        <translation>Production date</translation>
    </message>
    <message>
        <source>Дата упаковки</source>
        <translation>Packaging date</translation>
    </message>
    <message>
        <source>Дата продажи</source>
        <translation>Sell by date</translation>
    </message>
    <message>
        <source>Дата окончания срока годности</source>
        <translation>Expiration date</translation>
    </message>
    <message>
        <source>Вариант продукта</source>
        <translation>Product variant</translation>
    </message>
    <message>
        <source>Серийный номер</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Коммуникационный код обмена данными медицинской промышленности (HIBCC)</source>
        <translation>Health Industry Business Communications Council code (HIBCC)</translation>
    </message>
    <message>
        <source>Дополнительный номер продукции</source>
        <translation>Additional product identification</translation>
    </message>
    <message>
        <source>Вторичный серийный номер</source>
        <translation>Secondary serial number</translation>
    </message>
    <message>
        <source>Количество каждого</source>
        <translation>Count of items</translation>
    </message>
    <message>
        <source>Вес нетто в кг</source>
        <translation>Net weight in kg</translation>
    </message>
    <message>
        <source>Длина в метрах</source>
        <translation>Length in metres</translation>
    </message>
    <message>
        <source>Ширина; диаметр в метрах</source>
        <translation>Width; diameter in metres</translation>
    </message>
    <message>
        <source>Глубина; толщина в метрах</source>
        <translation>Depth; thickness in metres</translation>
    </message>
    <message>
        <source>Площадь в квадратных метрах</source>
        <translation>Area in square metres</translation>
    </message>
    <message>
        <source>Объем в литрах</source>
        <translation>Volume in litres</translation>
    </message>
    <message>
        <source>Объем в кубических метрах</source>
        <translation>Volume in cubic metres</translation>
    </message>
    <message>
        <source>Вес нетто в фунтах</source>
        <translation>Net weight in pounds</translation>
    </message>
    <message>
        <source>Длина в дюймах</source>
        <translation>Length in inches</translation>
    </message>
    <message>
        <source>Длина в футах</source>
        <translation>Length in feet</translation>
    </message>
    <message>
        <source>Длина в ярдах</source>
        <translation>Length in yards</translation>
    </message>
    <message>
        <source>Ширина; диаметр в дюймах</source>
        <translation>Width; diameter in inches</translation>
    </message>
    <message>
        <source>Ширина; диаметр в футах</source>
        <translation>Width; diameter in feet</translation>
    </message>
    <message>
        <source>Ширина; диаметр в ярдах</source>
        <translation>Width; diameter in yards</translation>
    </message>
    <message>
        <source>Глубина; толщина в дюймах</source>
        <translation>Depth; thickness in inches</translation>
    </message>
    <message>
        <source>Глубина; толщина в футах</source>
        <translation>Depth; thickness in feet</translation>
    </message>
    <message>
        <source>Глубина; толщина в ярдах</source>
        <translation>Depth; thickness in yards</translation>
    </message>
    <message>
        <source>Вес брутто в кг</source>
        <translation>Gross weight in kg</translation>
    </message>
    <message>
        <source>Длина упаковки в метрах</source>
        <translation>Package length in metres</translation>
    </message>
    <message>
        <source>Ширина; диаметр упаковки в метрах</source>
        <translation>Package width; diameter in metres</translation>
    </message>
    <message>
        <source>Глубина; толщина упаковки в метрах</source>
        <translation>Package depth; thickness in metres</translation>
    </message>
    <message>
        <source>Площадь упаковки в квадратных метрах</source>
        <translation>Package area in square metres</translation>
    </message>
    <message>
        <source>Объем упаковки в литрах</source>
        <translation>Package volume in litres</translation>
    </message>
    <message>
        <source>Объем упаковки в кубических метрах</source>
        <translation>Package volume in cubic metres</translation>
    </message>
    <message>
        <source>Вес упаковки в фунтах</source>
        <translation>Package weight in pounds</translation>
    </message>
    <message>
        <source>Длина упаковки в дюймах</source>
        <translation>Package length in inches</translation>
    </message>
    <message>
        <source>Длина упаковки в футах</source>
        <translation>Package length in feet</translation>
    </message>
    <message>
        <source>Длина упаковки в ярдах</source>
        <translation>Package length in yards</translation>
    </message>
    <message>
        <source>Ширина; диаметр упаковки в дюймах</source>
        <translation>Package width; diameter in inches</translation>
    </message>
    <message>
        <source>Ширина; диаметр упаковки в футах</source>
        <translation>Package width; diameter in feet</translation>
    </message>
    <message>
        <source>Ширина; диаметр упаковки в ярдах</source>
        <translation>Package width; diameter in yards</translation>
    </message>
    <message>
        <source>Глубина; толщина упаковки в дюймах</source>
        <translation>Package depth; thickness in inches</translation>
    </message>
    <message>
        <source>Глубина; толщина упаковки в футах</source>
        <translation>Package depth; thickness in feet</translation>
    </message>
    <message>
        <source>Глубина; толщина упаковки в ярдах</source>
        <translation>Package depth; thickness in yards</translation>
    </message>
    <message>
        <source>Площадь в квадратных дюймах</source>
        <translation>Area in square inches</translation>
    </message>
    <message>
        <source>Площадь в квадратных футах</source>
        <translation>Area in square feet</translation>
    </message>
    <message>
        <source>Площадь в квадратных ярдах</source>
        <translation>Area in square yards</translation>
    </message>
    <message>
        <source>Площадь упаковки в квадратных дюймах</source>
        <translation>Package area in square inches</translation>
    </message>
    <message>
        <source>Площадь упаковки в квадратных футах</source>
        <translation>Package area in square feet</translation>
    </message>
    <message>
        <source>Площадь упаковки в квадратных ярдах</source>
        <translation>Package area in square yards</translation>
    </message>
    <message>
        <source>Вес нетто в тройских унциях</source>
        <translation>Net weight in troy ounces</translation>
    </message>
    <message>
        <source>Объем в квартах</source>
        <translation>Volume in quarts</translation>
    </message>
    <message>
        <source>Объем в галлонах</source>
        <translation>Volume in gallons</translation>
    </message>
    <message>
        <source>Объем упаковки в квартах</source>
        <translation>Package volume in quarts</translation>
    </message>
    <message>
        <source>Объем упаковки в галлонах</source>
        <translation>Package volume in gallons</translation>
    </message>
    <message>
        <source>Объем в кубических дюймах</source>
        <translation>Volume in cubic inches</translation>
    </message>
    <message>
        <source>Объем в кубических футах</source>
        <translation>Volume in cubic feet</translation>
    </message>
    <message>
        <source>Объем в кубических ярдах</source>
        <translation>Volume in cubic yards</translation>
    </message>
    <message>
        <source>Объем упаковки в кубических дюймах</source>
        <translation>Package volume in cubic inches</translation>
    </message>
    <message>
        <source>Объем упаковки в кубических футах</source>
        <translation>Package volume in cubic feet</translation>
    </message>
    <message>
        <source>Объем упаковки в кубических ярдах</source>
        <translation>Package volume in cubic yards</translation>
    </message>
    <message>
        <source>Номер заказа</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>Код места назначения</source>
        <translation>Ship to location code</translation>
    </message>
    <message>
        <source>Код места юрисдикции</source>
        <translation>Bill to location code</translation>
    </message>
    <message>
        <source>Код места отправителя</source>
        <translation>Ship from location code</translation>
    </message>
    <message>
        <source>Почтовый код места назначения</source>
        <translation>Ship to postal code</translation>
    </message>
    <message>
        <source>Множественный почтовый код места назначения</source>
        <translation>Ship to postal code with country</translation>
    </message>
    <message>
        <source>Ширина/длина/диаметр для роликовой продукции</source>
        <translation>Roll products: width/length/diameter</translation>
    </message>
    <message>
        <source>Электронный серийный номер (ESN) сотового телефона</source>
        <translation>Electronic serial number (ESN) of a cellular phone</translation>
    </message>
    <message>
        <source>UPC/EAN номер и серийный номер возвращаемого актива</source>
        <translation>UPC/EAN number and serial number of a returnable asset</translation>
    </message>
    <message>
        <source>UPC/EAN серийный идентификатор</source>
        <translation>UPC/EAN serial identification</translation>
    </message>
    <message>
        <source>Цена единицы размера товара</source>
        <translation>Price per unit of measure</translation>
    </message>
    <message>
        <source>Coupon Extended Code: Number System and Offer</source>
        <translation>Coupon Extended Code: Number System and Offer</translation>
    </message>
    <message>
        <source>Coupon Extended Code: Number System; Offer; End of Offer</source>
        <translation>Coupon Extended Code: Number System; Offer; End of Offer</translation>
    </message>
    <message>
        <source>Coupon Extended Code: Number System preceded by 0</source>
        <translation>Coupon Extended Code: Number System preceded by 0</translation>
    </message>
    <message>
        <source>Код взаимно согласованный между торговыми партнерами</source>
        <translation>Mutually agreed between trading partners</translation>
    </message>
    <message>
        <source>Для внутреннего использования</source>
        <translation>For internal use</translation>
    </message>
</context>
<context>
    <name>CheckWording</name>
    <message>
        <source>) или (</source>
        <translation>) or (</translation>
    </message>
    <message>
        <source>допустимы только 0 и 1</source>
        <translation>only 0 and 1 are allowed</translation>
    </message>
    <message>
        <source>допустим только 0</source>
        <translation>only 0 is allowed</translation>
    </message>
    <message>
        <source>не может быть нулём</source>
        <translation>cannot be zero</translation>
    </message>
    <message>
        <source>допустимы только 0, 1 и 9</source>
        <translation>only 0, 1 and 9 are allowed</translation>
    </message>
    <message>
        <source>номер части должен быть от 1 до числа частей</source>
        <translation>the piece number must be from 1 to the number of pieces</translation>
    </message>
    <message>
        <source>не может начинаться с 0</source>
        <translation>cannot begin with 0</translation>
    </message>
    <message>
        <source>допустим только дефис</source>
        <translation>only a hyphen is allowed</translation>
    </message>
    <message>
        <source>такого кода вида носителя нет</source>
        <translation>no such media type code</translation>
    </message>
    <message>
        <source>такого индекса импортёра нет</source>
        <translation>no such importer index</translation>
    </message>
    <message>
        <source>широта больше 90°</source>
        <translation>latitude above 90°</translation>
    </message>
    <message>
        <source>долгота больше 180°</source>
        <translation>longitude above 180°</translation>
    </message>
    <message>
        <source>после знака % должны стоять две шестнадцатеричные цифры</source>
        <translation>a % sign must be followed by two hexadecimal digits</translation>
    </message>
    <message>
        <source>неверный IBAN</source>
        <translation>invalid IBAN</translation>
    </message>
    <message>
        <source>нарушено строение кода купона</source>
        <translation>the coupon code is malformed</translation>
    </message>
    <message>
        <source>нарушено строение кода предложения купона</source>
        <translation>the coupon offer code is malformed</translation>
    </message>
    <message>
        <source>нужны минуты (ММ) или минуты и секунды (ММСС)</source>
        <translation>minutes (MM) or minutes and seconds (MMSS) are needed</translation>
    </message>
    <message>
        <source>слишком короткое или длинное для контрольной пары</source>
        <translation>too short or too long for a check character pair</translation>
    </message>
    <message>
        <source>не список трёхзначных кодов стран</source>
        <translation>not a list of three-digit country codes</translation>
    </message>
    <message>
        <source>здесь недопустимо</source>
        <translation>not allowed here</translation>
    </message>
    <message>
        <source>код %1</source>
        <translation>code %1</translation>
    </message>
    <message>
        <source>Штрихи светлее фона в красном свете сканера: многие сканеры не читают такой символ</source>
        <translation>The bars are lighter than the background in the scanner&apos;s red light: many scanners cannot read such a symbol</translation>
    </message>
    <message>
        <source>Контраст в красном свете сканера %1 %, класс %2</source>
        <translation>Contrast in the scanner&apos;s red light %1 %, grade %2</translation>
    </message>
    <message>
        <source>Контраст в красном свете сканера %1 %, класс %2: читается не всеми сканерами</source>
        <translation>Contrast in the scanner&apos;s red light %1 %, grade %2: not every scanner reads it</translation>
    </message>
    <message>
        <source>Контраст в красном свете сканера всего %1 %, класс %2: сканер не отличит штрихи от фона</source>
        <translation>Contrast in the scanner&apos;s red light only %1 %, grade %2: a scanner cannot tell the bars from the background</translation>
    </message>
    <message>
        <source>AI (%1): в данных %2 симв., нужно не меньше %3</source>
        <translation>AI (%1): %2 characters of data, at least %3 needed</translation>
    </message>
    <message>
        <source>AI (%1): в данных %2 симв., допустимо не больше %3</source>
        <translation>AI (%1): %2 characters of data, at most %3 allowed</translation>
    </message>
    <message>
        <source>AI (%1): «%2» в позиции %3, а данные только цифровые</source>
        <translation>AI (%1): “%2” at position %3, but the data are digits only</translation>
    </message>
    <message>
        <source>AI (%1): контрольная цифра должна быть %2, а не %3</source>
        <translation>AI (%1): the check digit must be %2, not %3</translation>
    </message>
    <message>
        <source>AI (%1): перед (%2) нет FNC1, сканер прочтёт (%2) как данные (%1)</source>
        <translation>AI (%1): no FNC1 before (%2), a scanner reads (%2) as data of (%1)</translation>
    </message>
    <message>
        <source>В символ поместились только первые %1 из %2 знаков текста</source>
        <translation>Only the first %1 of the text&apos;s %2 characters fitted into the symbol</translation>
    </message>
    <message>
        <source>AI (%1): %2 не дата (ГГММДД)</source>
        <translation>AI (%1): %2 is not a date (YYMMDD)</translation>
    </message>
    <message>
        <source>AI (%1): положение десятичной точки %2 больше %3</source>
        <translation>AI (%1): decimal point position %2 is above %3</translation>
    </message>
    <message>
        <source>AI (%1): пробел в позиции %2 печатается, но не кодируется</source>
        <translation>AI (%1): the space at position %2 is printed but not encoded</translation>
    </message>
    <message>
        <source>В символе %1 знаков данных, GS1 допускает не больше %2</source>
        <translation>The symbol holds %1 data characters, GS1 allows at most %2</translation>
    </message>
    <message>
        <source>AI (%1) не определён в GS1</source>
        <translation>AI (%1) is not defined by GS1</translation>
    </message>
    <message>
        <source>AI (%1: нет закрывающей скобки</source>
        <translation>AI (%1: no closing parenthesis</translation>
    </message>
    <message>
        <source>Данные в позиции %1 не относятся ни к одному AI</source>
        <translation>The data at position %1 belong to no AI</translation>
    </message>
    <message>
        <source>Нет данных GS1</source>
        <translation>No GS1 data</translation>
    </message>
    <message>
        <source>Знак с кодом %1 в позиции %2 не кодируется и пропущен</source>
        <translation>The character with code %1 at position %2 cannot be encoded and is left out</translation>
    </message>
    <message>
        <source>Символ шириной %1 мм шире допустимых %2 мм</source>
        <translation>The symbol is %1 mm wide, wider than the allowed %2 mm</translation>
    </message>
    <message>
        <source>AI (%1): «%2» в позиции %3 не входит в набор знаков CSET %4</source>
        <translation>AI (%1): “%2” at position %3 is not in character set CSET %4</translation>
    </message>
    <message>
        <source>AI (%1): управляющий знак %2 в позиции %3 внутри данных</source>
        <translation>AI (%1): control character %2 at position %3 inside the data</translation>
    </message>
    <message>
        <source>FNC1 в конце текста лишь добавляет знак в символ, данных в нём нет</source>
        <translation>An FNC1 at the end of the text only adds a character to the symbol and carries no data</translation>
    </message>
    <message>
        <source>AI (%1): месяца %2 не бывает</source>
        <translation>AI (%1): there is no month %2</translation>
    </message>
    <message>
        <source>AI (%1): часа %2 не бывает</source>
        <translation>AI (%1): there is no hour %2</translation>
    </message>
    <message>
        <source>AI (%1): минуты %2 не бывает</source>
        <translation>AI (%1): there is no minute %2</translation>
    </message>
    <message>
        <source>AI (%1): секунды %2 не бывает</source>
        <translation>AI (%1): there is no second %2</translation>
    </message>
    <message>
        <source>AI (%1): %2 не код страны по ISO 3166</source>
        <translation>AI (%1): %2 is not an ISO 3166 country code</translation>
    </message>
    <message>
        <source>AI (%1): %2 не код валюты по ISO 4217</source>
        <translation>AI (%1): %2 is not an ISO 4217 currency code</translation>
    </message>
    <message>
        <source>AI (%1): контрольная пара знаков должна быть %2, а не %3</source>
        <translation>AI (%1): the check character pair must be %2, not %3</translation>
    </message>
    <message>
        <source>AI (%1): ключ должен начинаться с префикса компании GS1 — не меньше четырёх цифр, а начинается с «%2»</source>
        <translation>AI (%1): the key must begin with a GS1 company prefix of at least four digits, but begins with “%2”</translation>
    </message>
    <message>
        <source>AI (%1): «%2» — %3</source>
        <translation>AI (%1): “%2” — %3</translation>
    </message>
    <message>
        <source>AI (%1) требует AI %2, а на этикетке его нет</source>
        <translation>AI (%1) requires AI %2, which the label lacks</translation>
    </message>
    <message>
        <source>AI (%1) требует AI %2 в этом или в другом символе той же этикетки</source>
        <translation>AI (%1) requires AI %2 in this or another symbol of the same label</translation>
    </message>
    <message>
        <source>AI (%1) нельзя сочетать с AI (%2)</source>
        <translation>AI (%1) cannot be combined with AI (%2)</translation>
    </message>
    <message>
        <source>AI (%1) повторяется с другими данными: %2 и %3</source>
        <translation>AI (%1) is repeated with different data: %2 and %3</translation>
    </message>
    <message>
        <source>Читается: %1</source>
        <translation>Reads: %1</translation>
    </message>
    <message>
        <source>Читается %1, но не как данные GS1</source>
        <translation>Reads %1, but not as GS1 data</translation>
    </message>
    <message>
        <source>Читается %1 без дополнительного кода %2</source>
        <translation>Reads %1 without the add-on %2</translation>
    </message>
    <message>
        <source>Читается %1 вместо %2</source>
        <translation>Reads %1 instead of %2</translation>
    </message>
    <message>
        <source>При таком разрешении картинку не построить</source>
        <translation>No picture can be drawn at this resolution</translation>
    </message>
    <message>
        <source>Не читается</source>
        <translation>Not readable</translation>
    </message>
    <message>
        <source>Дистрибуция и логистика</source>
        <translation>General distribution and logistics</translation>
    </message>
    <message>
        <source>Розница (касса)</source>
        <translation>Retail (point of sale)</translation>
    </message>
    <message>
        <source>Здравоохранение</source>
        <translation>Healthcare</translation>
    </message>
    <message>
        <source>: ни одно увеличение не подходит</source>
        <translation>: no magnification fits</translation>
    </message>
    <message>
        <source>: нужно увеличение %1 %</source>
        <translation>: magnification %1 % needed</translation>
    </message>
    <message>
        <source>: нужно вертикальное увеличение %1 %</source>
        <translation>: vertical magnification %1 % needed</translation>
    </message>
    <message>
        <source>: нужно горизонтальное увеличение %1 %</source>
        <translation>: horizontal magnification %1 % needed</translation>
    </message>
    <message>
        <source>Таблица GS1 «%1» не предусматривает %2</source>
        <translation>GS1 table “%1” does not provide for %2</translation>
    </message>
    <message>
        <source>Модуль %1 мм меньше %2 мм по GS1</source>
        <translation>Module %1 mm is below GS1&apos;s %2 mm</translation>
    </message>
    <message>
        <source>Модуль %1 мм больше %2 мм по GS1</source>
        <translation>Module %1 mm is above GS1&apos;s %2 mm</translation>
    </message>
    <message>
        <source>Модуль %1 мм вместо рекомендуемых GS1 %2 мм</source>
        <translation>Module %1 mm instead of GS1&apos;s recommended %2 mm</translation>
    </message>
    <message>
        <source>Штрихи %1 мм ниже %2 мм по GS1</source>
        <translation>Bars %1 mm high, lower than GS1&apos;s %2 mm</translation>
    </message>
    <message>
        <source>Свободные зоны в %1 модулей меньше %2 по GS1</source>
        <translation>Quiet zones of %1 modules, fewer than GS1&apos;s %2</translation>
    </message>
    <message>
        <source>Модуль %1 мм (номинал %2 мм): %3 точки при %4 точек/мм</source>
        <translation>Module %1 mm (nominal %2 mm): %3 dots at %4 dots/mm</translation>
    </message>
    <message>
        <source>; меньше половины точки, штрихи пропадают</source>
        <translation>; under half a dot, bars get lost</translation>
    </message>
    <message>
        <source>; меньше двух точек, печатается ненадёжно</source>
        <translation>; under two dots, prints unreliably</translation>
    </message>
    <message>
        <source>: нужен модуль %1 мм</source>
        <translation>: a module of %1 mm is needed</translation>
    </message>
    <message>
        <source>Из этих данных символ не построить</source>
        <translation>These data make no symbol</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Не найдена программа, которая открывает справку, или её не удалось запустить. Справка записана сюда:
%1</source>
        <translation>No program to open the help was found, or it could not be started. The help has been written here:
%1</translation>
    </message>
    <message>
        <source>Не найдена программа, которая открывает ссылку, или её не удалось запустить:
%1</source>
        <translation>No program to open the link was found, or it could not be started:
%1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Справка отсутствует в программе.</source>
        <translation>The program carries no help.</translation>
    </message>
    <message>
        <source>Папка %1 не годится: %2</source>
        <translation>The folder %1 cannot be used: %2</translation>
    </message>
    <message>
        <source>Не удаётся создать файл &quot;%1&quot;.
%2</source>
        <translation>Cannot create the file &quot;%1&quot;.
%2</translation>
    </message>
</context>
<context>
    <name>SymbolVerdict</name>
    <message>
        <source>Вставить FNC1 перед (%1)</source>
        <translation>Insert FNC1 before (%1)</translation>
    </message>
    <message>
        <source>Поставить в AI (%1) контрольную цифру %2</source>
        <translation>Set the check digit of AI (%1) to %2</translation>
    </message>
    <message>
        <source>Символ такого вида или размера не построить</source>
        <translation>No symbol of this kind or size can be drawn</translation>
    </message>
    <message>
        <source> (и ещё %1)</source>
        <translation> (and %1 more)</translation>
    </message>
    <message>
        <source>Считывание проверяется</source>
        <translation>Readability is being checked</translation>
    </message>
    <message>
        <source>Проверяется, читается ли символ…</source>
        <translation>Checking whether the symbol reads…</translation>
    </message>
    <message>
        <source>Замечаний нет</source>
        <translation>No findings</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Штриховые коды EAN/UPC, ITF-14 и UCC/EAN-128
в натуральную величину.</source>
        <translation>EAN/UPC, ITF-14 and UCC/EAN-128 barcodes
at physical size.</translation>
    </message>
    <message>
        <source>Разработано участниками проекта Quillmark.</source>
        <translation>Developed by the Quillmark project&apos;s contributors.</translation>
    </message>
    <message>
        <source>Справка к программе</source>
        <translation>Program help</translation>
    </message>
    <message>
        <source>Написать письмо</source>
        <translation>Write a letter</translation>
    </message>
</context>
<context>
    <name>quillmark::LabelSheetDialog</name>
    <message>
        <source>Начало нумерации — только цифры</source>
        <translation>The numbering starts with digits only</translation>
    </message>
    <message>
        <source>Нумеровать нечего: нет SSCC (00) и серийного номера (21)</source>
        <translation>Nothing to number: no SSCC (00) and no serial number (21)</translation>
    </message>
    <message>
        <source>В начале нумерации больше цифр, чем в нумеруемом поле</source>
        <translation>The start has more digits than the numbered field</translation>
    </message>
    <message>
        <source>Количество и шаг — не меньше 1</source>
        <translation>Count and step must be at least 1</translation>
    </message>
    <message>
        <source>Слишком много этикеток</source>
        <translation>Too many labels</translation>
    </message>
    <message>
        <source>Последний номер не помещается в поле</source>
        <translation>The last number does not fit the field</translation>
    </message>
    <message>
        <source>Печать на листах этикеток</source>
        <translation>Print on Label Sheets</translation>
    </message>
    <message>
        <source>Поиск: производитель, артикул, описание</source>
        <translation>Search: brand, part number, description</translation>
    </message>
    <message>
        <source>По центру</source>
        <translation>Centred</translation>
    </message>
    <message>
        <source>Со смещением</source>
        <translation>At an offset</translation>
    </message>
    <message>
        <source> мм</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Первая этикетка:</source>
        <translation>First label:</translation>
    </message>
    <message>
        <source>Копий каждой:</source>
        <translation>Copies of each:</translation>
    </message>
    <message>
        <source>Символ в этикетке:</source>
        <translation>Symbol in its label:</translation>
    </message>
    <message>
        <source>Смещение вправо:</source>
        <translation>Offset right:</translation>
    </message>
    <message>
        <source>Смещение вниз:</source>
        <translation>Offset down:</translation>
    </message>
    <message>
        <source>Нумерация</source>
        <translation>Serial numbers</translation>
    </message>
    <message>
        <source>Начать с:</source>
        <translation>Start at:</translation>
    </message>
    <message>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Шаг:</source>
        <translation>Step:</translation>
    </message>
    <message>
        <source>Принтер</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
    <message>
        <source>Штрихи в целых точках принтера</source>
        <translation>Bars in whole printer dots</translation>
    </message>
    <message>
        <source>Калибровочная страница…</source>
        <translation>Calibration page…</translation>
    </message>
    <message>
        <source>Принтер:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Разрешение:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Модуль:</source>
        <translation>Module:</translation>
    </message>
    <message>
        <source>Поправка вправо:</source>
        <translation>Correction right:</translation>
    </message>
    <message>
        <source>Поправка вниз:</source>
        <translation>Correction down:</translation>
    </message>
    <message>
        <source>Масштаб по ширине:</source>
        <translation>Horizontal scale:</translation>
    </message>
    <message>
        <source>Масштаб по высоте:</source>
        <translation>Vertical scale:</translation>
    </message>
    <message>
        <source>Контуры этикеток (для пробы на простой бумаге)</source>
        <translation>Label outlines (for a proof on plain paper)</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 — %2 (%3 шт., %4 × %5 мм)</source>
        <translation>%1 — %2 (%3 labels, %4 × %5 mm)</translation>
    </message>
    <message>
        <source>Символ с полями не помещается в этикетку %1 × %2 мм</source>
        <translation>The symbol with its quiet zones does not fit the %1 × %2 mm label</translation>
    </message>
    <message>
        <source>При %1 dpi ни одно целое число точек не даёт допустимого модуля</source>
        <translation>At %1 dpi no whole number of dots gives an allowed module</translation>
    </message>
    <message>
        <source>%1 мм, %2 %</source>
        <translation>%1 mm, %2 %</translation>
    </message>
    <message>
        <source>Этикетка %1: %2</source>
        <translation>Label %1: %2</translation>
    </message>
    <message>
        <source>PDF не создан</source>
        <translation>The PDF could not be made</translation>
    </message>
    <message>
        <source>Сохранить листы в PDF</source>
        <translation>Save the Sheets as PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Не напечатано: %1</source>
        <translation>Not printed: %1</translation>
    </message>
    <message>
        <source>Принтер не запускается</source>
        <translation>The printer does not start</translation>
    </message>
    <message>
        <source>Измерьте на отпечатке расстояние от левого и верхнего края листа до перекрестия и длину линеек. Поправку увеличьте на 10 мм минус измеренное расстояние, масштаб умножьте на 100 мм, делённые на измеренную длину.</source>
        <translation>On the printout, measure the distance from the sheet&apos;s left and top edges to the cross, and the rulers&apos; length. Add 10 mm less the measured distance to the correction; multiply the scale by 100 mm over the measured length.</translation>
    </message>
    <message>
        <source>Проверка этикеток…</source>
        <translation>Checking the labels…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Проверка прервана</source>
        <translation>The check was cancelled</translation>
    </message>
    <message>
        <source> мкм</source>
        <translation> µm</translation>
    </message>
    <message>
        <source>Уменьшение штрихов:</source>
        <translation>Bar width reduction:</translation>
    </message>
    <message>
        <source>Знаки свободных зон «&lt;» и «&gt;»</source>
        <translation>Quiet zone marks “&lt;” and “&gt;”</translation>
    </message>
    <message>
        <source>%1 точ. принтера, %2 мкм</source>
        <translation>%1 printer dots, %2 µm</translation>
    </message>
    <message>
        <source>QR-код с цифровой ссылкой GS1 не нумеруется</source>
        <translation>A GS1 Digital Link QR Code cannot be numbered</translation>
    </message>
</context>
<context>
    <name>quillmark::SymbolVerdict</name>
    <message>
        <source>Исправить</source>
        <translation>Fix</translation>
    </message>
</context>
<context>
    <name>quillmark::TAIForm</name>
    <message>
        <source>«пробел»</source>
        <translation>“space”</translation>
    </message>
    <message>
        <source>Прикладной идентификатор</source>
        <translation>Application Identifier</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Более подробную информацию о прикладных идентификаторах можно получить в справке к программе</source>
        <translation>More about Application Identifiers is in the program&apos;s help</translation>
    </message>
    <message>
        <source>Данный AI имеет пременную длину и если за ним следуют другие AI, то к концу этого кода после всатвки нужно добавить спецсимвол FNC1.</source>
        <translation>This AI has a variable length: if other AIs follow it, add the special character FNC1 to the end of this code after inserting it.</translation>
    </message>
    <message>
        <source>Цифра &quot;y&quot; указывает положение десятичной точки.</source>
        <translation>The digit &quot;y&quot; gives the position of the decimal point.</translation>
    </message>
    <message>
        <source>Данные этого AI не длиннее %1 символов.</source>
        <translation>The data of this AI are at most %1 characters long.</translation>
    </message>
    <message>
        <source>Символ %1 не может входить в данные AI. Допустимы цифры, латинские буквы и ! &quot; % &amp; &apos; * + , - . / : ; &lt; = &gt; ? _</source>
        <translation>The character %1 cannot be part of AI data. Allowed are digits, Latin letters and ! &quot; % &amp; &apos; * + , - . / : ; &lt; = &gt; ? _</translation>
    </message>
    <message>
        <source>Данные этого AI — только цифры, их число постоянно: %1.</source>
        <translation>The data of this AI are digits only, always %1 of them.</translation>
    </message>
    <message>
        <source>Цифра &quot;y&quot; (положение десятичной точки) — от 0 до %1.</source>
        <translation>The digit &quot;y&quot; (the decimal point&apos;s position) is from 0 to %1.</translation>
    </message>
</context>
<context>
    <name>quillmark::TMainForm</name>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Цвет линий</source>
        <translation>Line Colour</translation>
    </message>
    <message>
        <source>Цвет фона</source>
        <translation>Background Colour</translation>
    </message>
    <message>
        <source>Экспорт</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Передать в Microsoft Office</source>
        <translation>Send to Microsoft Office</translation>
    </message>
    <message>
        <source>Передать в Word</source>
        <translation>Send to Word</translation>
    </message>
    <message>
        <source>Передать в Excel</source>
        <translation>Send to Excel</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Передать в Microsoft Word</source>
        <translation>Send to Microsoft Word</translation>
    </message>
    <message>
        <source>Передать в Microsoft Excel</source>
        <translation>Send to Microsoft Excel</translation>
    </message>
    <message>
        <source>Рассчитать контрольное значение</source>
        <translation>Calculate the check digit</translation>
    </message>
    <message>
        <source>Дополнение:</source>
        <translation>Add-on:</translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Полное обрамление</source>
        <translation>Full border</translation>
    </message>
    <message>
        <source>Спецсимвол:</source>
        <translation>Special:</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Прикладной идентификатор (AI):</source>
        <translation>Application Identifier (AI):</translation>
    </message>
    <message>
        <source>Горизонтальный размер:</source>
        <translation>Horizontal size:</translation>
    </message>
    <message>
        <source>Вертикальный размер:</source>
        <translation>Vertical size:</translation>
    </message>
    <message>
        <source>Четкость:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>точек/мм</source>
        <translation>dots/mm</translation>
    </message>
    <message>
        <source>Шрифт:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Для чего символ: его размеры проверяются по таблице GS1 для этого применения (дистрибуция и логистика, розничная торговля на кассе, здравоохранение вне розницы)</source>
        <translation>What the symbol is for: its size is checked against GS1&apos;s table for this application (general distribution and logistics, retail point of sale, non-retail healthcare)</translation>
    </message>
    <message>
        <source>Не вставлено знаков: %1. Поле принимает ASCII 32–126 и спецсимволы А–Я, а–г.</source>
        <translation>Characters not inserted: %1. The field takes ASCII 32–126 and the special characters А–Я, а–г.</translation>
    </message>
    <message>
        <source>В символе только первые %1 из %2 знаков: больше не помещается.</source>
        <translation>The symbol holds only the first %1 of %2 characters: no more fit.</translation>
    </message>
    <message>
        <source>Печать на листах этикеток…</source>
        <translation>Print on Label Sheets…</translation>
    </message>
    <message>
        <source>Вставить FNC1: он завершает данные переменной длины, за которыми следует другой AI</source>
        <translation>Insert FNC1: it ends variable-length data that another AI follows</translation>
    </message>
    <message>
        <source>Модуль:</source>
        <translation>Module:</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Прямоугольный</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Коррекция:</source>
        <translation>EC level:</translation>
    </message>
    <message>
        <source>Уровень коррекции ошибок QR Code: какую долю символа можно восстановить</source>
        <translation>QR Code&apos;s error correction level: how much of the symbol can be restored</translation>
    </message>
    <message>
        <source>Строка данных</source>
        <translation>Data line</translation>
    </message>
    <message>
        <source>Данные с AI в скобках под символом</source>
        <translation>The data with its AIs in parentheses below the symbol</translation>
    </message>
    <message>
        <source>Начало ссылки GS1 Digital Link: http:// или https://, сервер и, если нужно, путь</source>
        <translation>The start of the GS1 Digital Link URI: http:// or https://, a host and, if needed, a path</translation>
    </message>
    <message>
        <source>Ссылка GS1 Digital Link</source>
        <translation>GS1 Digital Link URI</translation>
    </message>
    <message>
        <source>Копировать ссылку</source>
        <translation>Copy the URI</translation>
    </message>
    <message>
        <source>Нет ссылки GS1 Digital Link: %1</source>
        <translation>No GS1 Digital Link URI: %1</translation>
    </message>
    <message>
        <source>В GS1 QR Code каждый AI пишется в скобках.</source>
        <translation>In a GS1 QR Code every AI is written in parentheses.</translation>
    </message>
    <message>
        <source>Данные не помещаются в один символ %1.</source>
        <translation>The data do not fit into one %1 symbol.</translation>
    </message>
    <message>
        <source>С линейным</source>
        <translation>With linear</translation>
    </message>
    <message>
        <source>Рядом — линейный символ GTIN из (01): EAN-13, UPC-A, EAN-8 или ITF-14, на общей базовой линии, как на макетах упаковки</source>
        <translation>Beside it, the linear symbol of the GTIN in (01): EAN-13, UPC-A, EAN-8 or ITF-14, on a common baseline, as packaging proofs show them</translation>
    </message>
    <message>
        <source>Линейного символа нет: в данных нет GTIN (01).</source>
        <translation>No linear symbol: the data hold no GTIN (01).</translation>
    </message>
    <message>
        <source>Линейного символа нет: GTIN (01) — не 14 цифр.</source>
        <translation>No linear symbol: the GTIN (01) is not 14 digits.</translation>
    </message>
    <message>
        <source>Линейного символа нет: GTIN товара переменной меры (индикатор 9) в EAN/UPC и ITF-14 не кодируют.</source>
        <translation>No linear symbol: the GTIN of a variable measure item (indicator 9) is not encoded in EAN/UPC or ITF-14.</translation>
    </message>
    <message>
        <source>Линейного символа нет: неверная контрольная цифра GTIN %1.</source>
        <translation>No linear symbol: wrong check digit in GTIN %1.</translation>
    </message>
    <message>
        <source>начало ссылки должно быть http:// или https://</source>
        <translation>the stem must begin with http:// or https://</translation>
    </message>
    <message>
        <source>в начале ссылки нет сервера</source>
        <translation>the stem names no host</translation>
    </message>
    <message>
        <source>в начале ссылки недопустимый знак (пробел, управляющий, «?» или «#»)</source>
        <translation>the stem holds a character it cannot (a space, a control character, &apos;?&apos; or &apos;#&apos;)</translation>
    </message>
    <message>
        <source>два первичных ключа, (%1) и (%2); в ссылке он один</source>
        <translation>two primary keys, (%1) and (%2); a URI takes one</translation>
    </message>
    <message>
        <source>нет первичного ключа (например, GTIN в AI 01)</source>
        <translation>no primary key (such as the GTIN in AI 01)</translation>
    </message>
    <message>
        <source>(%1) без своего первичного ключа: %2</source>
        <translation>(%1) without its primary key: %2</translation>
    </message>
</context>
<context>
    <name>quillmark::WindowCommands</name>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg *.jpeg)</source>
        <translation>JPEG Image File (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Символ нельзя нарисовать при такой четкости.</source>
        <translation>The symbol cannot be drawn at this resolution.</translation>
    </message>
    <message>
        <source>Рисунок получился бы размером %1 × %2 точек, а сторона может быть не больше %3 точек. Уменьшите четкость или размер символа.</source>
        <translation>The picture would be %1 × %2 dots, but a side may be at most %3 dots. Lower the resolution or the symbol&apos;s size.</translation>
    </message>
    <message>
        <source>Рисунок получился бы размером %1 × %2 точек, а всего допускается не больше %3 точек. Уменьшите четкость или размер символа.</source>
        <translation>The picture would be %1 × %2 dots, but at most %3 dots in all are allowed. Lower the resolution or the symbol&apos;s size.</translation>
    </message>
    <message>
        <source>Не хватило памяти для рисунка размером %1 × %2 точек.</source>
        <translation>Not enough memory for a picture of %1 × %2 dots.</translation>
    </message>
    <message>
        <source>Символ не читается при этой четкости. Сохранить?</source>
        <translation>The symbol does not read at this resolution. Save it anyway?</translation>
    </message>
    <message>
        <source>Файл %1 уже существует. Заменить его?</source>
        <translation>The file %1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>Рисунок не сохранён.
%1</source>
        <translation>The picture was not saved.
%1</translation>
    </message>
    <message>
        <source>Символ не напечатан: %1.</source>
        <translation>The symbol was not printed: %1.</translation>
    </message>
    <message>
        <source>Во временной папке %1 не удалось создать файл.</source>
        <translation>No file could be created in the temporary folder %1.</translation>
    </message>
    <message>
        <source>Файл не записан.
%1</source>
        <translation>The file was not written.
%1</translation>
    </message>
    <message>
        <source>Не найдена программа, которая открывает такие файлы, или её не удалось запустить. Файл записан сюда:
%1</source>
        <translation>No program to open such files was found, or it could not be started. The file has been written here:
%1</translation>
    </message>
</context>
</TS>
