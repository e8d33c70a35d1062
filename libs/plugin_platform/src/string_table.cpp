#include "Platform/string_table.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace Platform {

namespace {

constexpr unsigned TextCount = StringTable::LastId - StringTable::FirstId + 1;

using Texts = const WChar* [TextCount];

const Texts EnglishTexts = {
    u"Unknown",         // 102
    u"Offline",         // 103
    u"Chatty",          // 104
    u"Available",       // 105
    u"Away",            // 106
    u"ExtendedAway",    // 107
    u"Busy",            // 108
    u"Conference",      // 109
    u"Busy in call",    // 110
    u"Busy in meeting", // 111
    u"Calling",         // 112
    u"Incoming call",   // 113
    u"Call from",       // 114
    u"In call",         // 115
    u"Call on hold",    // 116
    u"Call on hold",    // 117
    u"Call ended",      // 118
    u"%2u:%02u",        // 119
    u"Enter a number to dial",                     // 120
    u"Polycom device Add-in",                      // 121
    u"Marlowane Inc",                              // 122
    u"Add-in for supporting Polycom USB devices.", // 123
};

const Texts GermanTexts = {
    u"Unbekannt", // 102
    u"Offline", // 103
    u"Gesprächsbereit", // 104
    u"Verfügbar", // 105
    u"Abwesend", // 106
    u"Länger abwesend", // 107
    u"Beschäftigt", // 108
    u"Konferenz", // 109
    u"Im Gespräch", // 110
    u"In Besprechung", // 111
    u"Ruft an", // 112
    u"Eingehender Anruf", // 113
    u"Anruf von", // 114
    u"Im Gespräch", // 115
    u"Anruf gehalten", // 116
    u"Anruf gehalten", // 117
    u"Anruf beendet", // 118
    u"%2u:%02u", // 119
    u"Nummer zum Wählen eingeben", // 120
    u"Polycom-Geräte-Add-in", // 121
    u"Marlowane Inc", // 122
    u"Add-in zur Unterstützung von Polycom-USB-Geräten.", // 123
};

const Texts FrenchTexts = {
    u"Inconnu", // 102
    u"Hors ligne", // 103
    u"Disponible pour discuter", // 104
    u"Disponible", // 105
    u"Absent", // 106
    u"Absence prolongée", // 107
    u"Occupé", // 108
    u"Conférence", // 109
    u"En communication", // 110
    u"En réunion", // 111
    u"Appel en cours", // 112
    u"Appel entrant", // 113
    u"Appel de", // 114
    u"En communication", // 115
    u"Appel en attente", // 116
    u"Appel en attente", // 117
    u"Appel terminé", // 118
    u"%2u:%02u", // 119
    u"Entrez un numéro à composer", // 120
    u"Module complémentaire pour appareils Polycom", // 121
    u"Marlowane Inc", // 122
    u"Module complémentaire prenant en charge les appareils USB Polycom.", // 123
};

const Texts FrenchCanadaTexts = {
    u"Inconnu", // 102
    u"Hors ligne", // 103
    u"Disponible pour clavarder", // 104
    u"Disponible", // 105
    u"Absent", // 106
    u"Absence prolongée", // 107
    u"Occupé", // 108
    u"Conférence", // 109
    u"En communication", // 110
    u"En réunion", // 111
    u"Appel en cours", // 112
    u"Appel entrant", // 113
    u"Appel de", // 114
    u"En communication", // 115
    u"Appel en attente", // 116
    u"Appel en attente", // 117
    u"Appel terminé", // 118
    u"%2u:%02u", // 119
    u"Entrez un numéro à composer", // 120
    u"Module d’extension pour appareils Polycom", // 121
    u"Marlowane Inc", // 122
    u"Module d’extension pour la prise en charge des appareils USB Polycom.", // 123
};

const Texts ItalianTexts = {
    u"Sconosciuto", // 102
    u"Non in linea", // 103
    u"Disponibile per chattare", // 104
    u"Disponibile", // 105
    u"Assente", // 106
    u"Assente a lungo", // 107
    u"Occupato", // 108
    u"Conferenza", // 109
    u"Occupato in chiamata", // 110
    u"Occupato in riunione", // 111
    u"Chiamata in corso", // 112
    u"Chiamata in arrivo", // 113
    u"Chiamata da", // 114
    u"In chiamata", // 115
    u"Chiamata in attesa", // 116
    u"Chiamata in attesa", // 117
    u"Chiamata terminata", // 118
    u"%2u:%02u", // 119
    u"Immettere un numero da comporre", // 120
    u"Componente aggiuntivo per dispositivi Polycom", // 121
    u"Marlowane Inc", // 122
    u"Componente aggiuntivo per il supporto dei dispositivi USB Polycom.", // 123
};

const Texts JapaneseTexts = {
    u"不明", // 102
    u"オフライン", // 103
    u"チャット可能", // 104
    u"連絡可能", // 105
    u"退席中", // 106
    u"長時間退席中", // 107
    u"取り込み中", // 108
    u"会議", // 109
    u"通話中", // 110
    u"会議中", // 111
    u"発信中", // 112
    u"着信", // 113
    u"着信元", // 114
    u"通話中", // 115
    u"保留中", // 116
    u"保留中", // 117
    u"通話終了", // 118
    u"%2u:%02u", // 119
    u"発信する番号を入力してください", // 120
    u"Polycom デバイス アドイン", // 121
    u"Marlowane Inc", // 122
    u"Polycom USB デバイスをサポートするアドイン。", // 123
};

const Texts KoreanTexts = {
    u"알 수 없음", // 102
    u"오프라인", // 103
    u"채팅 가능", // 104
    u"사용 가능", // 105
    u"자리 비움", // 106
    u"장시간 자리 비움", // 107
    u"다른 용무 중", // 108
    u"회의", // 109
    u"통화 중", // 110
    u"회의 중", // 111
    u"전화 거는 중", // 112
    u"수신 전화", // 113
    u"발신자", // 114
    u"통화 중", // 115
    u"통화 보류", // 116
    u"통화 보류", // 117
    u"통화 종료", // 118
    u"%2u:%02u", // 119
    u"걸 번호를 입력하세요", // 120
    u"Polycom 장치 추가 기능", // 121
    u"Marlowane Inc", // 122
    u"Polycom USB 장치를 지원하는 추가 기능입니다.", // 123
};

const Texts SimplifiedChineseTexts = {
    u"未知", // 102
    u"脱机", // 103
    u"乐意交谈", // 104
    u"空闲", // 105
    u"离开", // 106
    u"长时间离开", // 107
    u"忙碌", // 108
    u"会议", // 109
    u"通话中", // 110
    u"会议中", // 111
    u"正在呼叫", // 112
    u"来电", // 113
    u"来电方", // 114
    u"通话中", // 115
    u"通话保持", // 116
    u"通话保持", // 117
    u"通话结束", // 118
    u"%2u:%02u", // 119
    u"输入要拨打的号码", // 120
    u"Polycom 设备加载项", // 121
    u"Marlowane Inc", // 122
    u"用于支持 Polycom USB 设备的加载项。", // 123
};

const Texts SpanishTexts = {
    u"Desconocido", // 102
    u"Desconectado", // 103
    u"Dispuesto a charlar", // 104
    u"Disponible", // 105
    u"Ausente", // 106
    u"Ausencia prolongada", // 107
    u"Ocupado", // 108
    u"Conferencia", // 109
    u"Ocupado en llamada", // 110
    u"Ocupado en reunión", // 111
    u"Llamando", // 112
    u"Llamada entrante", // 113
    u"Llamada de", // 114
    u"En llamada", // 115
    u"Llamada en espera", // 116
    u"Llamada en espera", // 117
    u"Llamada finalizada", // 118
    u"%2u:%02u", // 119
    u"Introduzca un número para marcar", // 120
    u"Complemento para dispositivos Polycom", // 121
    u"Marlowane Inc", // 122
    u"Complemento para admitir dispositivos USB de Polycom.", // 123
};

struct Language
{
    const char* tag;
    const char* localePrefix; // as in LANG, e.g. "fr_CA"
    const Texts* texts;
};

// The languages the table is made for; any other locale reads the English texts.
const Language Languages[] = {
    {"en-US", "en", &EnglishTexts},
    {"de-DE", "de", &GermanTexts},
    {"fr-CA", "fr_CA", &FrenchCanadaTexts},
    {"fr-FR", "fr", &FrenchTexts},
    {"it-IT", "it", &ItalianTexts},
    {"ja-JP", "ja", &JapaneseTexts},
    {"ko-KR", "ko", &KoreanTexts},
    {"zh-CN", "zh", &SimplifiedChineseTexts},
    {"es-ES", "es", &SpanishTexts},
};

std::string localeName()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && value[0])
            return value;
    }
    return std::string();
}

const Language& chosenLanguage()
{
    const std::string locale = localeName();
    for (const Language& language : Languages) {
        const std::size_t length = std::strlen(language.localePrefix);
        if (locale.compare(0, length, language.localePrefix) == 0
            && (locale.size() == length || locale[length] == '_' || locale[length] == '.' || locale[length] == '@'))
            return language;
    }
    return Languages[0];
}

} // namespace

const char* StringTable::language()
{
    return chosenLanguage().tag;
}

const WChar* StringTable::load(unsigned id)
{
    if (id < FirstId || id > LastId) {
        errno = ENOENT;
        return nullptr;
    }
    return (*chosenLanguage().texts)[id - FirstId];
}

} // namespace Platform
