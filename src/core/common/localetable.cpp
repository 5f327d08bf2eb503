// Table of locales known to Tarnel, numbered the way desktop platforms
// number them: a primary language number (1..63) and, under it, variant 0
// for the language as a whole followed by its regions (1, 2, ...) in the
// traditional sublanguage order. Variant 0 borrows the abbreviation and
// country of the language's default region (variant 1).
//
// Columns: primary, variant, abbreviation, language name, country name.

#include "localetable.h"

const std::vector<LocaleEntry> &localeTable()
{
    static const std::vector<LocaleEntry> table = {
        // Arabic
        {1, 0, "ARA", "Arabic", "Saudi Arabia"},
        {1, 1, "ARA", "Arabic (Saudi Arabia)", "Saudi Arabia"},
        {1, 2, "ARI", "Arabic (Iraq)", "Iraq"},
        {1, 3, "ARE", "Arabic (Egypt)", "Egypt"},
        {1, 4, "ARL", "Arabic (Libya)", "Libya"},
        {1, 5, "ARG", "Arabic (Algeria)", "Algeria"},
        {1, 6, "ARM", "Arabic (Morocco)", "Morocco"},
        {1, 7, "ART", "Arabic (Tunisia)", "Tunisia"},
        {1, 8, "ARO", "Arabic (Oman)", "Oman"},
        {1, 9, "ARY", "Arabic (Yemen)", "Yemen"},
        {1, 10, "ARS", "Arabic (Syria)", "Syria"},
        {1, 11, "ARJ", "Arabic (Jordan)", "Jordan"},
        {1, 12, "ARB", "Arabic (Lebanon)", "Lebanon"},
        {1, 13, "ARK", "Arabic (Kuwait)", "Kuwait"},
        {1, 14, "ARU", "Arabic (U.A.E.)", "United Arab Emirates"},
        {1, 15, "ARH", "Arabic (Bahrain)", "Bahrain"},
        {1, 16, "ARQ", "Arabic (Qatar)", "Qatar"},

        // Bulgarian
        {2, 0, "BGR", "Bulgarian", "Bulgaria"},
        {2, 1, "BGR", "Bulgarian (Bulgaria)", "Bulgaria"},

        // Catalan
        {3, 0, "CAT", "Catalan", "Spain"},
        {3, 1, "CAT", "Catalan (Spain)", "Spain"},

        // Chinese
        {4, 0, "CHT", "Chinese", "Taiwan"},
        {4, 1, "CHT", "Chinese (Taiwan)", "Taiwan"},
        {4, 2, "CHS", "Chinese (PRC)", "People's Republic of China"},
        {4, 3, "ZHH", "Chinese (Hong Kong)", "Hong Kong"},
        {4, 4, "ZHI", "Chinese (Singapore)", "Singapore"},
        {4, 5, "ZHM", "Chinese (Macau)", "Macau"},

        // Czech
        {5, 0, "CSY", "Czech", "Czech Republic"},
        {5, 1, "CSY", "Czech (Czech Republic)", "Czech Republic"},

        // Danish
        {6, 0, "DAN", "Danish", "Denmark"},
        {6, 1, "DAN", "Danish (Denmark)", "Denmark"},

        // German
        {7, 0, "DEU", "German", "Germany"},
        {7, 1, "DEU", "German (Germany)", "Germany"},
        {7, 2, "DES", "German (Switzerland)", "Switzerland"},
        {7, 3, "DEA", "German (Austria)", "Austria"},
        {7, 4, "DEL", "German (Luxembourg)", "Luxembourg"},
        {7, 5, "DEC", "German (Liechtenstein)", "Liechtenstein"},

        // Greek
        {8, 0, "ELL", "Greek", "Greece"},
        {8, 1, "ELL", "Greek (Greece)", "Greece"},

        // English
        {9, 0, "ENU", "English", "United States"},
        {9, 1, "ENU", "English (United States)", "United States"},
        {9, 2, "ENG", "English (United Kingdom)", "United Kingdom"},
        {9, 3, "ENA", "English (Australia)", "Australia"},
        {9, 4, "ENC", "English (Canada)", "Canada"},
        {9, 5, "ENZ", "English (New Zealand)", "New Zealand"},
        {9, 6, "ENI", "English (Ireland)", "Ireland"},
        {9, 7, "ENS", "English (South Africa)", "South Africa"},
        {9, 8, "ENJ", "English (Jamaica)", "Jamaica"},
        {9, 9, "ENB", "English (Caribbean)", "Caribbean"},
        {9, 10, "ENL", "English (Belize)", "Belize"},
        {9, 11, "ENT", "English (Trinidad)", "Trinidad and Tobago"},
        {9, 12, "ENW", "English (Zimbabwe)", "Zimbabwe"},
        {9, 13, "ENP", "English (Philippines)", "Philippines"},

        // Spanish
        {10, 0, "ESP", "Spanish", "Spain"},
        {10, 1, "ESP", "Spanish (Traditional Sort)", "Spain"},
        {10, 2, "ESM", "Spanish (Mexico)", "Mexico"},
        {10, 3, "ESN", "Spanish (Modern Sort)", "Spain"},
        {10, 4, "ESG", "Spanish (Guatemala)", "Guatemala"},
        {10, 5, "ESC", "Spanish (Costa Rica)", "Costa Rica"},
        {10, 6, "ESA", "Spanish (Panama)", "Panama"},
        {10, 7, "ESD", "Spanish (Dominican Republic)", "Dominican Republic"},
        {10, 8, "ESV", "Spanish (Venezuela)", "Venezuela"},
        {10, 9, "ESO", "Spanish (Colombia)", "Colombia"},
        {10, 10, "ESR", "Spanish (Peru)", "Peru"},
        {10, 11, "ESS", "Spanish (Argentina)", "Argentina"},
        {10, 12, "ESF", "Spanish (Ecuador)", "Ecuador"},
        {10, 13, "ESL", "Spanish (Chile)", "Chile"},
        {10, 14, "ESY", "Spanish (Uruguay)", "Uruguay"},
        {10, 15, "ESZ", "Spanish (Paraguay)", "Paraguay"},
        {10, 16, "ESB", "Spanish (Bolivia)", "Bolivia"},
        {10, 17, "ESE", "Spanish (El Salvador)", "El Salvador"},
        {10, 18, "ESH", "Spanish (Honduras)", "Honduras"},
        {10, 19, "ESI", "Spanish (Nicaragua)", "Nicaragua"},
        {10, 20, "ESU", "Spanish (Puerto Rico)", "Puerto Rico"},

        // Finnish
        {11, 0, "FIN", "Finnish", "Finland"},
        {11, 1, "FIN", "Finnish (Finland)", "Finland"},

        // French
        {12, 0, "FRA", "French", "France"},
        {12, 1, "FRA", "French (France)", "France"},
        {12, 2, "FRB", "French (Belgium)", "Belgium"},
        {12, 3, "FRC", "French (Canada)", "Canada"},
        {12, 4, "FRS", "French (Switzerland)", "Switzerland"},
        {12, 5, "FRL", "French (Luxembourg)", "Luxembourg"},
        {12, 6, "FRM", "French (Monaco)", "Monaco"},

        // Hebrew
        {13, 0, "HEB", "Hebrew", "Israel"},
        {13, 1, "HEB", "Hebrew (Israel)", "Israel"},

        // Hungarian
        {14, 0, "HUN", "Hungarian", "Hungary"},
        {14, 1, "HUN", "Hungarian (Hungary)", "Hungary"},

        // Icelandic
        {15, 0, "ISL", "Icelandic", "Iceland"},
        {15, 1, "ISL", "Icelandic (Iceland)", "Iceland"},

        // Italian
        {16, 0, "ITA", "Italian", "Italy"},
        {16, 1, "ITA", "Italian (Italy)", "Italy"},
        {16, 2, "ITS", "Italian (Switzerland)", "Switzerland"},

        // Japanese
        {17, 0, "JPN", "Japanese", "Japan"},
        {17, 1, "JPN", "Japanese (Japan)", "Japan"},

        // Korean
        {18, 0, "KOR", "Korean", "Korea"},
        {18, 1, "KOR", "Korean (Korea)", "Korea"},

        // Dutch
        {19, 0, "NLD", "Dutch", "Netherlands"},
        {19, 1, "NLD", "Dutch (Netherlands)", "Netherlands"},
        {19, 2, "NLB", "Dutch (Belgium)", "Belgium"},

        // Norwegian
        {20, 0, "NOR", "Norwegian", "Norway"},
        {20, 1, "NOR", "Norwegian (Bokmal)", "Norway"},
        {20, 2, "NON", "Norwegian (Nynorsk)", "Norway"},

        // Polish
        {21, 0, "PLK", "Polish", "Poland"},
        {21, 1, "PLK", "Polish (Poland)", "Poland"},

        // Portuguese
        {22, 0, "PTB", "Portuguese", "Brazil"},
        {22, 1, "PTB", "Portuguese (Brazil)", "Brazil"},
        {22, 2, "PTG", "Portuguese (Portugal)", "Portugal"},

        // Romansh
        {23, 0, "RMC", "Romansh", "Switzerland"},
        {23, 1, "RMC", "Romansh (Switzerland)", "Switzerland"},

        // Romanian
        {24, 0, "ROM", "Romanian", "Romania"},
        {24, 1, "ROM", "Romanian (Romania)", "Romania"},

        // Russian
        {25, 0, "RUS", "Russian", "Russia"},
        {25, 1, "RUS", "Russian (Russia)", "Russia"},

        // Croatian and Serbian share one primary number
        {26, 0, "HRV", "Croatian", "Croatia"},
        {26, 1, "HRV", "Croatian (Croatia)", "Croatia"},
        {26, 2, "SRL", "Serbian (Latin)", "Serbia"},
        {26, 3, "SRB", "Serbian (Cyrillic)", "Serbia"},

        // Slovak
        {27, 0, "SKY", "Slovak", "Slovakia"},
        {27, 1, "SKY", "Slovak (Slovakia)", "Slovakia"},

        // Albanian
        {28, 0, "SQI", "Albanian", "Albania"},
        {28, 1, "SQI", "Albanian (Albania)", "Albania"},

        // Swedish
        {29, 0, "SVE", "Swedish", "Sweden"},
        {29, 1, "SVE", "Swedish (Sweden)", "Sweden"},
        {29, 2, "SVF", "Swedish (Finland)", "Finland"},

        // Thai
        {30, 0, "THA", "Thai", "Thailand"},
        {30, 1, "THA", "Thai (Thailand)", "Thailand"},

        // Turkish
        {31, 0, "TRK", "Turkish", "Turkey"},
        {31, 1, "TRK", "Turkish (Turkey)", "Turkey"},

        // Urdu
        {32, 0, "URD", "Urdu", "Pakistan"},
        {32, 1, "URD", "Urdu (Pakistan)", "Pakistan"},
        {32, 2, "URI", "Urdu (India)", "India"},

        // Indonesian
        {33, 0, "IND", "Indonesian", "Indonesia"},
        {33, 1, "IND", "Indonesian (Indonesia)", "Indonesia"},

        // Ukrainian
        {34, 0, "UKR", "Ukrainian", "Ukraine"},
        {34, 1, "UKR", "Ukrainian (Ukraine)", "Ukraine"},

        // Belarusian
        {35, 0, "BEL", "Belarusian", "Belarus"},
        {35, 1, "BEL", "Belarusian (Belarus)", "Belarus"},

        // Slovenian
        {36, 0, "SLV", "Slovenian", "Slovenia"},
        {36, 1, "SLV", "Slovenian (Slovenia)", "Slovenia"},

        // Estonian
        {37, 0, "ETI", "Estonian", "Estonia"},
        {37, 1, "ETI", "Estonian (Estonia)", "Estonia"},

        // Latvian
        {38, 0, "LVI", "Latvian", "Latvia"},
        {38, 1, "LVI", "Latvian (Latvia)", "Latvia"},

        // Lithuanian
        {39, 0, "LTH", "Lithuanian", "Lithuania"},
        {39, 1, "LTH", "Lithuanian (Lithuania)", "Lithuania"},
        {39, 2, "LTC", "Lithuanian (Classic)", "Lithuania"},

        // Tajik
        {40, 0, "TAJ", "Tajik", "Tajikistan"},
        {40, 1, "TAJ", "Tajik (Tajikistan)", "Tajikistan"},

        // Farsi
        {41, 0, "FAR", "Farsi", "Iran"},
        {41, 1, "FAR", "Farsi (Iran)", "Iran"},

        // Vietnamese
        {42, 0, "VIT", "Vietnamese", "Vietnam"},
        {42, 1, "VIT", "Vietnamese (Vietnam)", "Vietnam"},

        // Armenian
        {43, 0, "HYE", "Armenian", "Armenia"},
        {43, 1, "HYE", "Armenian (Armenia)", "Armenia"},

        // Azeri
        {44, 0, "AZE", "Azeri", "Azerbaijan"},
        {44, 1, "AZE", "Azeri (Latin)", "Azerbaijan"},
        {44, 2, "AZC", "Azeri (Cyrillic)", "Azerbaijan"},

        // Basque
        {45, 0, "EUQ", "Basque", "Spain"},
        {45, 1, "EUQ", "Basque (Spain)", "Spain"},

        // Sorbian
        {46, 0, "HSB", "Sorbian", "Germany"},
        {46, 1, "HSB", "Sorbian (Upper)", "Germany"},
        {46, 2, "DSB", "Sorbian (Lower)", "Germany"},

        // Macedonian
        {47, 0, "MKI", "Macedonian", "Macedonia"},
        {47, 1, "MKI", "Macedonian (Macedonia)", "Macedonia"},

        // Languages of South Africa
        {48, 0, "SOT", "Sutu", "South Africa"},
        {48, 1, "SOT", "Sutu (South Africa)", "South Africa"},
        {49, 0, "TSO", "Tsonga", "South Africa"},
        {49, 1, "TSO", "Tsonga (South Africa)", "South Africa"},
        {50, 0, "TSN", "Tswana", "South Africa"},
        {50, 1, "TSN", "Tswana (South Africa)", "South Africa"},
        {51, 0, "VEN", "Venda", "South Africa"},
        {51, 1, "VEN", "Venda (South Africa)", "South Africa"},
        {52, 0, "XHO", "Xhosa", "South Africa"},
        {52, 1, "XHO", "Xhosa (South Africa)", "South Africa"},
        {53, 0, "ZUL", "Zulu", "South Africa"},
        {53, 1, "ZUL", "Zulu (South Africa)", "South Africa"},

        // Afrikaans
        {54, 0, "AFK", "Afrikaans", "South Africa"},
        {54, 1, "AFK", "Afrikaans (South Africa)", "South Africa"},

        // Georgian
        {55, 0, "KAT", "Georgian", "Georgia"},
        {55, 1, "KAT", "Georgian (Georgia)", "Georgia"},

        // Faroese
        {56, 0, "FOS", "Faroese", "Faroe Islands"},
        {56, 1, "FOS", "Faroese (Faroe Islands)", "Faroe Islands"},

        // Hindi
        {57, 0, "HIN", "Hindi", "India"},
        {57, 1, "HIN", "Hindi (India)", "India"},

        // Maltese
        {58, 0, "MLT", "Maltese", "Malta"},
        {58, 1, "MLT", "Maltese (Malta)", "Malta"},

        // Sami
        {59, 0, "SME", "Sami", "Norway"},
        {59, 1, "SME", "Sami (Northern, Norway)", "Norway"},
        {59, 2, "SMF", "Sami (Northern, Sweden)", "Sweden"},
        {59, 3, "SMG", "Sami (Northern, Finland)", "Finland"},
        {59, 4, "SMJ", "Sami (Lule, Norway)", "Norway"},
        {59, 5, "SMK", "Sami (Lule, Sweden)", "Sweden"},
        {59, 6, "SMA", "Sami (Southern, Norway)", "Norway"},
        {59, 7, "SMB", "Sami (Southern, Sweden)", "Sweden"},
        {59, 8, "SMS", "Sami (Skolt, Finland)", "Finland"},
        {59, 9, "SMN", "Sami (Inari, Finland)", "Finland"},

        // Irish
        {60, 0, "IRE", "Irish", "Ireland"},
        {60, 1, "IRE", "Irish (Ireland)", "Ireland"},

        // Yiddish
        {61, 0, "YID", "Yiddish", "Israel"},
        {61, 1, "YID", "Yiddish (Israel)", "Israel"},

        // Malay
        {62, 0, "MSL", "Malay", "Malaysia"},
        {62, 1, "MSL", "Malay (Malaysia)", "Malaysia"},
        {62, 2, "MSB", "Malay (Brunei Darussalam)", "Brunei Darussalam"},

        // Kazakh
        {63, 0, "KKZ", "Kazakh", "Kazakhstan"},
        {63, 1, "KKZ", "Kazakh (Kazakhstan)", "Kazakhstan"},
    };
    return table;
}
