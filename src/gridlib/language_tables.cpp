#include "language_tables.h"

#include <array>

namespace {

// clang-format off
constexpr LanguageStrings languageTable[] = {
    {20000, 9,
     {"January", "February", "March", "April", "May", "June", "July", "August", "September",
      "October", "November", "December"},
     {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
     {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
     {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
     "dddd, mmmm ds, YYYY", "MM/DD/YY",
     {"st", "nd", "rd", "th", "th", "th", "th", "th", "th", "th",
      "th", "th", "th", "th", "th", "th", "th", "th", "th", "th",
      "st", "nd", "rd", "th", "th", "th", "th", "th", "th", "th",
      "st"},
     {"Date", "You must type a date!", "This date must be between %s and %s!", "Incorrect date!",
      "day", "month", "year", "Time", "This time must be between %s and %s!", "Incorrect time!"},
     {"This date must not be before %s!", "This date must not be after %s!"},
     "Invalid range", "Value must be between %s and %s"},

    {20100, 19,
     {"januari", "februari", "maart", "april", "mei", "juni", "juli", "augustus", "september",
      "oktober", "november", "december"},
     {"jan", "feb", "maa", "apr", "mei", "jun", "jul", "aug", "sep", "okt", "nov", "dec"},
     {"maandag", "dinsdag", "woensdag", "donderdag", "vrijdag", "zaterdag", "zondag"},
     {"maa", "din", "woe", "don", "vri", "zat", "zon"},
     "dddd, d mmmm YYYY", "DD/MM/YY",
     {},
     {"Datum", "U moet een datum ingeven!", "De datum moet tussen %s en %s zijn!",
      "Ongeldige datum!", "dag", "maand", "jaar", "Tijd", "De tijd moet tussen %s en %s zijn!",
      "Ongeldige tijd!"},
     {"De datum mag niet vroeger zijn dan %s!", "De datum mag niet later zijn dan %s!"},
     "Ongeldige waarde", "De waarde moet tussen %s and %s zijn!"},

    {20200, 12,
     {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
      "octobre", "novembre", "décembre"},
     {"jan", "fév", "mar", "avr", "mai", "jun", "jul", "aoû", "sep", "oct", "nov", "déc"},
     {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"},
     {"lun", "mar", "mer", "jeu", "ven", "sam", "dim"},
     "dddd ds mmmm YYYY", "DD/MM/YY",
     {"er"},
     {"Date", "Vous devez indiquer une date!", "Cette date doit être comprise entre le %s et le %s!",
      "Date incorrecte!", "jour", "mois", "année", "Temps",
      "Ce temps doit être compris entre le %s et le %s!", "Temps incorrect!"},
     {"Cette date ne doit pas être antérieure au %s!",
      "Cette date ne doit pas être postérieure au %s!"},
     "Nombre hors limites", "Cette valeur doit se situer entre %s et %s"},

    {20300, 7,
     {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
      "Oktober", "November", "Dezember"},
     {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
     {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
     {"Mon", "Die", "Mit", "Don", "Fre", "Sam", "Son"},
     nullptr, "DD.MM.YY",
     {".", ".", ".", ".", ".", ".", ".", ".", ".", ".",
      ".", ".", ".", ".", ".", ".", ".", ".", ".", ".",
      ".", ".", ".", ".", ".", ".", ".", ".", ".", ".",
      "."},
     {"Datum", "Sie müssen ein Datum eingeben!", "Das Datum muß zwischen dem %s und dem %s liegen",
      "Unzulässiges Datum", "Tag", "Monat", "Jahr", "Zeit", "Zeit muß zwischen %s und %s liegen",
      "Unzulässige Zeit"},
     {"Das Datum darf nicht vor dem %s liegen", "Das Datum darf nicht nach dem %s liegen"},
     "Unzulässige Nummer", "Nummer muß zwischen %s und %s liegen!"},

    {20400, 16,
     {"gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio", "agosto",
      "settembre", "ottobre", "novembre", "dicembre"},
     {"gen", "feb", "mar", "apr", "mag", "giu", "lug", "ago", "set", "ott", "nov", "dic"},
     {"lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato", "domenica"},
     {"lun", "mar", "mer", "gio", "ven", "sab", "dom"},
     "dddd, ds mmmm YYYY", "DD-MM-YY",
     {"º"},
     {"Data", "Dovete inserire una data!", "La data è compresa tra %s e %s!", "Data sbagliata!",
      "giorno", "mese", "anno", nullptr, nullptr, "Ora sbagliata!"},
     {"La data non può essere anteriore al %s!", "La data non può essere posteriore al %s!"},
     "Numero sbagliato!", "Il numero è compreso tra %s e %s!"},

    {20500, 22,
     {"Janeiro", "Fevereiro", "Março", "Abril", "Maio", "Junho", "Julho", "Agôsto", "Setembro",
      "Outubro", "Novembro", "Dezembro"},
     {"Jan", "Fev", "Mar", "Abr", "Mai", "Jun", "Jul", "Ago", "Set", "Out", "Nov", "Dez"},
     {"segunda-feira", "terça-feira", "quarta-feira", "quinta-feira", "sexta-feira", "sabado",
      "domingo"},
     {"seg", "ter", "qua", "qui", "sex", "sab", "dom"},
     nullptr, "DD-MM-YY",
     {"º"},
     {"Data", "Digite uma data!", "Esta data deve estar entre %s e %s!", "Data Incorreta!", "dia",
      "mes", "ano", "Tempo", "Este tempo deve estar entre %s e %s!", "Tempo incorreto!"},
     {"Esta data não pode ser anterior a %s!", "Esta data não pode ser posterior a %s!"},
     "Intervalo inválido", "Valor deve estar entre %s e %s!"},

    {20600, 10,
     {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre",
      "Octubre", "Noviembre", "Diciembre"},
     {"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
     {"lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"},
     {"lun", "mar", "mié", "jue", "vie", "sáb", "dom"},
     nullptr, "DD-MM-YY",
     {"º"},
     {"Día", "¡ Debe introducir una fecha !", "¡ La fecha debe estar entre el %s y el %s !",
      "¡ Fecha incorrecta !", "día", "mes", "año", "Tiempo",
      "¡ El tiempo debe estar entre %s y %s !", "¡ Tiempo incorrecto !"},
     {"¡ La fecha no puede ser anterior al %s !", "¡ La fecha no puede ser posterior al %s !"},
     "¡ Número incorrecto !", "¡ El numero debe estar entre %s y %s!"},
};
// clang-format on

struct SystemCode {
    char code[4];
    int32_t base;
};

constexpr std::array<SystemCode, 13> systemCodes{{
    {"DEU", 20300},
    {"DES", 20300},
    {"DEA", 20300},
    {"ENG", 20000},
    {"ENU", 20000},
    {"ESN", 20600},
    {"ESP", 20600},
    {"FRA", 20200},
    {"FRB", 20200},
    {"FRC", 20200},
    {"ITA", 20400},
    {"NLD", 20100},
    {"PTG", 20500},
}};

} // namespace

std::span<const LanguageStrings> AllLanguages() {
    return languageTable;
}

const LanguageStrings* FindLanguage(int32_t base) {
    for (const LanguageStrings& language : languageTable) {
        if (language.base == base)
            return &language;
    }
    return nullptr;
}

const char* StringAtOffset(const LanguageStrings& language, int offset) {
    if (offset >= 1 && offset <= 12)
        return language.longMonths[offset - 1];
    if (offset >= 13 && offset <= 24)
        return language.shortMonths[offset - 13];
    if (offset >= 25 && offset <= 31)
        return language.longDays[offset - 25];
    if (offset >= 32 && offset <= 38)
        return language.shortDays[offset - 32];
    if (offset == 39)
        return language.longDatePicture;
    if (offset == 40)
        return language.shortDatePicture;
    if (offset >= 41 && offset <= 71) {
        const char* suffix = language.daySuffixes[offset - 41];
        return suffix ? suffix : "";
    }
    if (offset >= 72 && offset <= 81)
        return language.fieldMessages[offset - 72];
    if (offset >= 82 && offset <= 83)
        return language.dateBounds[offset - 82];
    if (offset == 98)
        return language.invalidNumber;
    if (offset == 99)
        return language.numberRange;
    return nullptr;
}

int32_t BaseForSystemCode(std::string_view code) {
    for (const SystemCode& entry : systemCodes) {
        if (code == entry.code)
            return entry.base;
    }
    return 0;
}
