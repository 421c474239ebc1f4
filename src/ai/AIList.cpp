// The catalogue of GS1 Application Identifiers offered on the UCC/EAN-128 tab, as constant data.
#include "ai/AIList.h"

// The window shows the names in its language: the marks let lupdate collect them under the context
// "AIList", and cost nothing here, where no Qt is linked.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace quillmark {

// AI, Russian name, fixed length, data length (digits when fixed, maximum characters otherwise).
// A trailing "y" is the decimal-point digit chosen on entry; "23x" takes its third digit from the
// data length. The names of rows 0 and 1 carry three spaces before the parenthesis, as listed.
// clang-format off
const std::array<TAIEntry, kAICount> AITable = {{
    {"00", QT_TRANSLATE_NOOP("AIList", "Серийный код транспортной упаковки   (SSCC-18)"), true, 18},  // 0
    {"01", QT_TRANSLATE_NOOP("AIList", "Серийный код транспортной упаковки   (SSCC-14)"), true, 14},  // 1
    {"02", QT_TRANSLATE_NOOP("AIList", "Число контейнеров"), true, 14},  // 2
    {"10", QT_TRANSLATE_NOOP("AIList", "Номер партии"), false, 20},  // 3
    {"11", QT_TRANSLATE_NOOP("AIList", "Дата производства"), true, 6},  // 4
    {"13", QT_TRANSLATE_NOOP("AIList", "Дата упаковки"), true, 6},  // 5
    {"15", QT_TRANSLATE_NOOP("AIList", "Дата продажи"), true, 6},  // 6
    {"17", QT_TRANSLATE_NOOP("AIList", "Дата окончания срока годности"), true, 6},  // 7
    {"20", QT_TRANSLATE_NOOP("AIList", "Вариант продукта"), true, 2},  // 8
    {"21", QT_TRANSLATE_NOOP("AIList", "Серийный номер"), false, 20},  // 9
    {"22", QT_TRANSLATE_NOOP("AIList", "Коммуникационный код обмена данными медицинской промышленности (HIBCC)"), false, 29},  // 10
    {"23x", QT_TRANSLATE_NOOP("AIList", "Номер партии"), false, 19},  // 11
    {"240", QT_TRANSLATE_NOOP("AIList", "Дополнительный номер продукции"), false, 30},  // 12
    {"250", QT_TRANSLATE_NOOP("AIList", "Вторичный серийный номер"), false, 30},  // 13
    {"30", QT_TRANSLATE_NOOP("AIList", "Количество каждого"), false, 0},  // 14
    {"310y", QT_TRANSLATE_NOOP("AIList", "Вес нетто в кг"), true, 6},  // 15
    {"311y", QT_TRANSLATE_NOOP("AIList", "Длина в метрах"), true, 6},  // 16
    {"312y", QT_TRANSLATE_NOOP("AIList", "Ширина; диаметр в метрах"), true, 6},  // 17
    {"313y", QT_TRANSLATE_NOOP("AIList", "Глубина; толщина в метрах"), true, 6},  // 18
    {"314y", QT_TRANSLATE_NOOP("AIList", "Площадь в квадратных метрах"), true, 6},  // 19
    {"315y", QT_TRANSLATE_NOOP("AIList", "Объем в литрах"), true, 6},  // 20
    {"316y", QT_TRANSLATE_NOOP("AIList", "Объем в кубических метрах"), true, 6},  // 21
    {"320y", QT_TRANSLATE_NOOP("AIList", "Вес нетто в фунтах"), true, 6},  // 22
    {"321y", QT_TRANSLATE_NOOP("AIList", "Длина в дюймах"), true, 6},  // 23
    {"322y", QT_TRANSLATE_NOOP("AIList", "Длина в футах"), true, 6},  // 24
    {"323y", QT_TRANSLATE_NOOP("AIList", "Длина в ярдах"), true, 6},  // 25
    {"324y", QT_TRANSLATE_NOOP("AIList", "Ширина; диаметр в дюймах"), true, 6},  // 26
    {"325y", QT_TRANSLATE_NOOP("AIList", "Ширина; диаметр в футах"), true, 6},  // 27
    {"326y", QT_TRANSLATE_NOOP("AIList", "Ширина; диаметр в ярдах"), true, 6},  // 28
    {"327y", QT_TRANSLATE_NOOP("AIList", "Глубина; толщина в дюймах"), true, 6},  // 29
    {"328y", QT_TRANSLATE_NOOP("AIList", "Глубина; толщина в футах"), true, 6},  // 30
    {"329y", QT_TRANSLATE_NOOP("AIList", "Глубина; толщина в ярдах"), true, 6},  // 31
    {"330y", QT_TRANSLATE_NOOP("AIList", "Вес брутто в кг"), true, 6},  // 32
    {"331y", QT_TRANSLATE_NOOP("AIList", "Длина упаковки в метрах"), true, 6},  // 33
    {"332y", QT_TRANSLATE_NOOP("AIList", "Ширина; диаметр упаковки в метрах"), true, 6},  // 34
    {"333y", QT_TRANSLATE_NOOP("AIList", "Глубина; толщина упаковки в метрах"), true, 6},  // 35
    {"334y", QT_TRANSLATE_NOOP("AIList", "Площадь упаковки в квадратных метрах"), true, 6},  // 36
    {"335y", QT_TRANSLATE_NOOP("AIList", "Объем упаковки в литрах"), true, 6},  // 37
    {"336y", QT_TRANSLATE_NOOP("AIList", "Объем упаковки в кубических метрах"), true, 6},  // 38
    {"340y", QT_TRANSLATE_NOOP("AIList", "Вес упаковки в фунтах"), true, 6},  // 39
    {"341y", QT_TRANSLATE_NOOP("AIList", "Длина упаковки в дюймах"), true, 6},  // 40
    {"342y", QT_TRANSLATE_NOOP("AIList", "Длина упаковки в футах"), true, 6},  // 41
    {"343y", QT_TRANSLATE_NOOP("AIList", "Длина упаковки в ярдах"), true, 6},  // 42
    {"344y", QT_TRANSLATE_NOOP("AIList", "Ширина; диаметр упаковки в дюймах"), true, 6},  // 43
    {"345y", QT_TRANSLATE_NOOP("AIList", "Ширина; диаметр упаковки в футах"), true, 6},  // 44
    {"346y", QT_TRANSLATE_NOOP("AIList", "Ширина; диаметр упаковки в ярдах"), true, 6},  // 45
    {"347y", QT_TRANSLATE_NOOP("AIList", "Глубина; толщина упаковки в дюймах"), true, 6},  // 46
    {"348y", QT_TRANSLATE_NOOP("AIList", "Глубина; толщина упаковки в футах"), true, 6},  // 47
    {"349y", QT_TRANSLATE_NOOP("AIList", "Глубина; толщина упаковки в ярдах"), true, 6},  // 48
    {"350y", QT_TRANSLATE_NOOP("AIList", "Площадь в квадратных дюймах"), true, 6},  // 49
    {"351y", QT_TRANSLATE_NOOP("AIList", "Площадь в квадратных футах"), true, 6},  // 50
    {"352y", QT_TRANSLATE_NOOP("AIList", "Площадь в квадратных ярдах"), true, 6},  // 51
    {"353y", QT_TRANSLATE_NOOP("AIList", "Площадь упаковки в квадратных дюймах"), true, 6},  // 52
    {"354y", QT_TRANSLATE_NOOP("AIList", "Площадь упаковки в квадратных футах"), true, 6},  // 53
    {"355y", QT_TRANSLATE_NOOP("AIList", "Площадь упаковки в квадратных ярдах"), true, 6},  // 54
    {"356y", QT_TRANSLATE_NOOP("AIList", "Вес нетто в тройских унциях"), true, 6},  // 55
    {"360y", QT_TRANSLATE_NOOP("AIList", "Объем в квартах"), true, 6},  // 56
    {"361y", QT_TRANSLATE_NOOP("AIList", "Объем в галлонах"), true, 6},  // 57
    {"362y", QT_TRANSLATE_NOOP("AIList", "Объем упаковки в квартах"), true, 6},  // 58
    {"363y", QT_TRANSLATE_NOOP("AIList", "Объем упаковки в галлонах"), true, 6},  // 59
    {"364y", QT_TRANSLATE_NOOP("AIList", "Объем в кубических дюймах"), true, 6},  // 60
    {"365y", QT_TRANSLATE_NOOP("AIList", "Объем в кубических футах"), true, 6},  // 61
    {"366y", QT_TRANSLATE_NOOP("AIList", "Объем в кубических ярдах"), true, 6},  // 62
    {"367y", QT_TRANSLATE_NOOP("AIList", "Объем упаковки в кубических дюймах"), true, 6},  // 63
    {"368y", QT_TRANSLATE_NOOP("AIList", "Объем упаковки в кубических футах"), true, 6},  // 64
    {"369y", QT_TRANSLATE_NOOP("AIList", "Объем упаковки в кубических ярдах"), true, 6},  // 65
    {"37", QT_TRANSLATE_NOOP("AIList", "Число контейнеров"), false, 8},  // 66
    {"400", QT_TRANSLATE_NOOP("AIList", "Номер заказа"), false, 29},  // 67
    {"410", QT_TRANSLATE_NOOP("AIList", "Код места назначения"), true, 13},  // 68
    {"411", QT_TRANSLATE_NOOP("AIList", "Код места юрисдикции"), true, 13},  // 69
    {"412", QT_TRANSLATE_NOOP("AIList", "Код места отправителя"), true, 13},  // 70
    {"420", QT_TRANSLATE_NOOP("AIList", "Почтовый код места назначения"), false, 9},  // 71
    {"421", QT_TRANSLATE_NOOP("AIList", "Множественный почтовый код места назначения"), false, 12},  // 72
    {"8001", QT_TRANSLATE_NOOP("AIList", "Ширина/длина/диаметр для роликовой продукции"), true, 14},  // 73
    {"8002", QT_TRANSLATE_NOOP("AIList", "Электронный серийный номер (ESN) сотового телефона"), false, 20},  // 74
    {"8003", QT_TRANSLATE_NOOP("AIList", "UPC/EAN номер и серийный номер возвращаемого актива"), false, 20},  // 75
    {"8004", QT_TRANSLATE_NOOP("AIList", "UPC/EAN серийный идентификатор"), false, 30},  // 76
    {"8005", QT_TRANSLATE_NOOP("AIList", "Цена единицы размера товара"), true, 6},  // 77
    {"8100", QT_TRANSLATE_NOOP("AIList", "Coupon Extended Code: Number System and Offer"), true, 6},  // 78
    {"8101", QT_TRANSLATE_NOOP("AIList", "Coupon Extended Code: Number System; Offer; End of Offer"), true, 10},  // 79
    {"8102", QT_TRANSLATE_NOOP("AIList", "Coupon Extended Code: Number System preceded by 0"), true, 2},  // 80
    {"90", QT_TRANSLATE_NOOP("AIList", "Код взаимно согласованный между торговыми партнерами"), false, 30},  // 81
    {"91", QT_TRANSLATE_NOOP("AIList", "Для внутреннего использования"), false, 6},  // 82
    {"92", QT_TRANSLATE_NOOP("AIList", "Для внутреннего использования"), false, 6},  // 83
    {"93", QT_TRANSLATE_NOOP("AIList", "Для внутреннего использования"), false, 6},  // 84
    {"94", QT_TRANSLATE_NOOP("AIList", "Для внутреннего использования"), false, 6},  // 85
    {"95", QT_TRANSLATE_NOOP("AIList", "Для внутреннего использования"), false, 6},  // 86
    {"96", QT_TRANSLATE_NOOP("AIList", "Для внутреннего использования"), false, 6},  // 87
    {"97", QT_TRANSLATE_NOOP("AIList", "Для внутреннего использования"), false, 6},  // 88
    {"98", QT_TRANSLATE_NOOP("AIList", "Для внутреннего использования"), false, 6},  // 89
    {"99", QT_TRANSLATE_NOOP("AIList", "Для внутреннего использования"), false, 6},  // 90
}};
// clang-format on

std::string AIListItem(int row) {
    if (row < 0 || row >= kAICount) return {};
    const TAIEntry& entry = AITable[static_cast<std::size_t>(row)];
    std::string item = "(";
    item.append(entry.AI);
    item.append(") - ");
    item.append(entry.Name);
    return item;
}

}  // namespace quillmark
