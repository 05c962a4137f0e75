#include "awards/dxcc_entity_codes.h"

#include <algorithm>
#include <iterator>

namespace brilox {
namespace {

// Numbers without a row are unused.  Two numbers share "P5": 344 is the one
// in current use; DxccEntityForPrefix answers it because it is the lower.
constexpr DxccEntityCode kCodes[] = {
    {1, "VE"}, {2, "*J2/A"}, {3, "YA"}, {4, "3B6"}, {5, "OH0"}, {6, "KL7"}, {7, "ZA"}, {8, "*VQ9A"},
    {9, "KH8"}, {10, "FT5Z"}, {11, "VU4"}, {12, "VP2E"}, {13, "CE9"}, {14, "EK"}, {15, "UA9"},
    {16, "ZL9"}, {17, "YV0"}, {18, "4K"}, {19, "*HK0B"}, {20, "KH1"}, {21, "EA6"}, {22, "T8"},
    {23, "*1B"}, {24, "3Y5"}, {25, "*ZC5"}, {26, "*VQ6"}, {27, "EU"}, {28, "*KZ5"}, {29, "EA8"},
    {30, "*PK6"}, {31, "T31"}, {32, "EA9"}, {33, "VQ9"}, {34, "ZL7"}, {35, "VK9X"}, {36, "FO/C"},
    {37, "TI9"}, {38, "VK9C"}, {39, "*FH/C"}, {40, "SV9"}, {41, "FT5W"}, {42, "*CR8D"}, {43, "KP5"},
    {44, "*VQ9D"}, {45, "SV5"}, {46, "9M6"}, {47, "CE0A"}, {48, "T32"}, {49, "3C"}, {50, "XE"},
    {51, "E3"}, {52, "ES"}, {53, "ET"}, {54, "UA"}, {55, "*VQ9F"}, {56, "PY0F"}, {57, "*FQ8"},
    {58, "*FI8"}, {59, "*FF"}, {60, "C6"}, {61, "R1F"}, {62, "8P"}, {63, "FY"}, {64, "VP9"},
    {65, "VP2V"}, {66, "V3"}, {67, "*FN8"}, {68, "*8Z5"}, {69, "ZF"}, {70, "CO"}, {71, "HC8"},
    {72, "HI"}, {74, "YS"}, {75, "4L"}, {76, "TG"}, {77, "J3"}, {78, "HH"}, {79, "FG"}, {80, "HR"},
    {81, "*DLEX"}, {82, "6Y"}, {84, "FM"}, {85, "*PJ2X"}, {86, "YN"}, {88, "HP"}, {89, "VP5"},
    {90, "9Y"}, {91, "P4"}, {93, "*1G"}, {94, "V2"}, {95, "J7"}, {96, "VP2M"}, {97, "J6"}, {98, "J8"},
    {99, "FR/G"}, {100, "LU"}, {101, "*CR8G"}, {102, "*ZD4"}, {103, "KH2"}, {104, "CP"}, {105, "KG4"},
    {106, "GU"}, {107, "3X"}, {108, "PY"}, {109, "J5"}, {110, "KH6"}, {111, "VK0H"}, {112, "CE"},
    {113, "*EA9I"}, {114, "GD"}, {115, "*I5/S"}, {116, "HK"}, {117, "4U1I"}, {118, "JX"},
    {119, "*PK1"}, {120, "HC"}, {122, "GJ"}, {123, "KH3"}, {124, "FR/J"}, {125, "CE0Z"}, {126, "UA2"},
    {127, "*VS9K"}, {128, "*UN1"}, {129, "8R"}, {130, "UN"}, {131, "FT5X"}, {132, "ZP"}, {133, "ZL8"},
    {134, "*KH5K"}, {135, "EX"}, {136, "OA"}, {137, "HL"}, {138, "KH7K"}, {139, "*VS9H"}, {140, "PZ"},
    {141, "VP8"}, {142, "VU7"}, {143, "XW"}, {144, "CX"}, {145, "YL"}, {146, "LY"}, {147, "VK9L"},
    {148, "YV"}, {149, "CU"}, {150, "VK"}, {151, "*R1M"}, {152, "XX"}, {153, "VK0M"}, {154, "*4W/Y"},
    {155, "*VS2"}, {157, "C2"}, {158, "YJ"}, {159, "8Q"}, {160, "A3"}, {161, "HK0M"}, {162, "FK"},
    {163, "P2"}, {164, "*C9/M"}, {165, "3B8"}, {166, "KH0"}, {167, "OJ0"}, {168, "V7"}, {169, "FH"},
    {170, "ZL"}, {171, "VK9M"}, {172, "VP6"}, {173, "V6"}, {174, "KH4"}, {175, "FO"}, {176, "3D2"},
    {177, "JD1M"}, {178, "*1M"}, {179, "ER"}, {180, "SV/A"}, {181, "C9"}, {182, "KP1"}, {183, "*PK5"},
    {184, "*JZ0"}, {185, "H4"}, {186, "*VO"}, {187, "5U"}, {188, "ZK2"}, {189, "VK9N"}, {190, "5W"},
    {191, "E50"}, {192, "JD1O"}, {193, "*KR6"}, {194, "*7J1"}, {195, "3C0"}, {196, "*ZC6"},
    {197, "KH5"}, {198, "*P2/P"}, {199, "3Y0"}, {200, "*CR1O"}, {201, "ZS8"}, {202, "KP4"},
    {203, "C3"}, {204, "XF4"}, {205, "ZD8"}, {206, "OE"}, {207, "3B9"}, {208, "*9U/R"}, {209, "ON"},
    {210, "*9S4"}, {211, "CY0"}, {212, "LZ"}, {213, "FS"}, {214, "TK"}, {215, "5B"}, {216, "HK0S"},
    {217, "CE0X"}, {218, "*OKEX"}, {219, "S9"}, {220, "*VS4"}, {221, "OZ"}, {222, "OY"}, {223, "G"},
    {224, "OH"}, {225, "IS"}, {226, "*8Z4"}, {227, "F"}, {228, "*HK0R"}, {229, "*Y2"}, {230, "DL"},
    {231, "*AC3"}, {232, "T5"}, {233, "ZB"}, {234, "E5"}, {235, "VP8G"}, {236, "SV"}, {237, "OX"},
    {238, "VP8O"}, {239, "HA"}, {240, "VP8W"}, {241, "VP8S"}, {242, "TF"}, {243, "*VS9A"},
    {244, "*ST0"}, {245, "EI"}, {246, "1A"}, {247, "1S"}, {248, "I"}, {249, "V4"}, {250, "ZD7"},
    {251, "HB0"}, {252, "CY9"}, {253, "PY0P"}, {254, "LX"}, {255, "*PJ7X"}, {256, "CT3"}, {257, "9H"},
    {258, "*PK4"}, {259, "JW"}, {260, "3A"}, {261, "*KS4"}, {262, "EY"}, {263, "PA"}, {264, "*CN/T"},
    {265, "GI"}, {266, "LA"}, {267, "*P2/G"}, {268, "*AC4"}, {269, "SP"}, {270, "ZK3"}, {271, "*I1/T"},
    {272, "CT"}, {273, "PY0T"}, {274, "ZD9"}, {275, "YO"}, {276, "FR/T"}, {277, "FP"}, {278, "T7"},
    {279, "GM"}, {280, "EZ"}, {281, "EA"}, {282, "T2"}, {283, "ZC"}, {284, "SM"}, {285, "KP2"},
    {286, "5X"}, {287, "HB"}, {288, "UT"}, {289, "4U1U"}, {291, "K"}, {292, "UK"}, {293, "XV"},
    {294, "GW"}, {295, "HV"}, {296, "YU"}, {297, "KH9"}, {298, "FW"}, {299, "9M2"}, {301, "T30"},
    {302, "S0"}, {303, "VK9W"}, {304, "A9"}, {305, "S2"}, {306, "A5"}, {307, "*VQ1"}, {308, "TI"},
    {309, "XZ"}, {312, "XU"}, {315, "4S"}, {318, "BY"}, {321, "VR2"}, {324, "VU"}, {327, "YB"},
    {330, "EP"}, {333, "YI"}, {336, "4X"}, {339, "JA"}, {342, "JY"}, {344, "P5"}, {345, "V8"},
    {348, "9K"}, {354, "OD"}, {363, "JT"}, {369, "9N"}, {370, "A4"}, {372, "AP"}, {375, "DU"},
    {376, "A7"}, {378, "HZ"}, {379, "S7"}, {381, "9V"}, {382, "J2"}, {384, "YK"}, {386, "BV"},
    {387, "HS"}, {390, "TA"}, {391, "A6"}, {400, "7X"}, {401, "D2"}, {402, "A2"}, {404, "9U"},
    {406, "TJ"}, {408, "TL"}, {409, "D4"}, {410, "TT"}, {411, "D6"}, {412, "TN"}, {414, "9Q"},
    {416, "TY"}, {420, "TR"}, {422, "C5"}, {424, "9G"}, {428, "TU"}, {430, "5Z"}, {432, "7P"},
    {433, "P5"}, {434, "EL"}, {436, "5A"}, {438, "5R"}, {440, "7Q"}, {442, "TZ"}, {444, "5T"},
    {446, "CN"}, {450, "5N"}, {452, "Z2"}, {453, "FR"}, {454, "9X"}, {456, "6W"}, {458, "9L"},
    {460, "3D2R"}, {462, "ZS"}, {464, "V5"}, {466, "ST"}, {468, "3DA"}, {470, "5H"}, {474, "3V"},
    {478, "SU"}, {480, "XT"}, {482, "9J"}, {483, "5V"}, {488, "*ZS9"}, {489, "3D2C"}, {490, "T33"},
    {492, "7O"}, {493, "*ZS0"}, {497, "9A"}, {499, "S5"}, {501, "E7"}, {502, "Z3"}, {503, "OK"},
    {504, "OM"}, {505, "BV9P"}, {506, "BS7"}, {507, "H40"}, {508, "FO/A"}, {509, "FO/M"}, {510, "E4"},
    {511, "4W"}, {512, "TX0"}, {513, "VP6D"}, {514, "4O"}, {515, "KH8S"}, {516, "FJ"}, {517, "PJ2"},
    {518, "PJ7"}, {519, "PJ5"}, {520, "PJ4"}, {521, "Z8"}, {522, "Z6"}
};

// The 62 deleted entities with the names the DXCC database gives them.
struct DeletedEntity {
  std::string_view prefix;
  std::string_view name;
};
constexpr DeletedEntity kDeletedEntities[] = {
    {"1B", "*Blenheim Reef"}, {"1G", "*Geyser Reef"}, {"J2/A", "*Abu Ail"}, {"1M", "*Minerva Reef"},
    {"4W/Y", "*Yemen Arab Rep."}, {"7J1", "*Okino Tori-shima"}, {"8Z4", "*HZ/YI neutral zone"},
    {"8Z5", "*9K/HZ neutral zone"}, {"9S4", "*Saar"}, {"9U/R", "*Ruanda-Urundi"}, {"AC3", "*Sikkim"},
    {"AC4", "*Tibet"}, {"C9/M", "*Manchuria"}, {"CN/T", "*Tangier"}, {"CR8D", "*Dumao and Diu"},
    {"CR8G", "*Goa"}, {"CR1O", "*Portuguese Timor"}, {"DLEX", "*Old Germany"}, {"Y2", "*German Dem. Rep."},
    {"EA9I", "*Ifni"}, {"FF", "*French West Africa"}, {"FH/C", "*Comoros"}, {"FI8", "*French Indo-China"},
    {"FN8", "*French India"}, {"FQ8", "*Fr. Equat. Africa"}, {"HK0B", "*Bajo Nuevo"}, {"HK0R", "*Serrana Bank"},
    {"I1/T", "*Trieste"}, {"I5/S", "*Italian Somaliland"}, {"JZ0", "*Neth. North Guinea"},
    {"KH5K", "*Kingman Reef"}, {"KR6", "*Okinawa"}, {"KS4", "*Swan Is."}, {"KZ5", "*Canal Zone"},
    {"OKEX", "*Czechoslovakia"}, {"P2/P", "*Papua Territory"}, {"P2/G", "*Terr. New Guinea"},
    {"PJ2X", "*Neth.Antilles"}, {"PJ7X", "*Sint Maarten"}, {"PK1", "*Java"}, {"PK4", "*Sumatra"},
    {"PK5", "*Netherlands Borneo"}, {"PK6", "*Celebe & Molucca"}, {"R1M", "*Malyj Vysotskij"},
    {"ST0", "*Southern Sudan"}, {"UN1", "*Karelo-Finnish Rep."}, {"VO", "*Newfoundland"}, {"VQ1", "*Zanzibar"},
    {"VQ6", "*British Somaliland"}, {"VQ9A", "*Aldabra"}, {"VQ9D", "*Desroches"}, {"VQ9F", "*Farquhar"},
    {"VS2", "*Malaya"}, {"VS4", "*Sarawak"}, {"VS9A", "*Peop. Dem Rep Yemen"}, {"VS9H", "*Kuria Maria Is."},
    {"VS9K", "*Kamaran"}, {"ZC5", "*British N. Borneo"}, {"ZC6", "*Palestine"}, {"ZD4", "*Gold Coast,Togoland"},
    {"ZS0", "*Penguin Is."}, {"ZS9", "*Walvis Bay"},
};
static_assert(std::size(kDeletedEntities) == 62);

constexpr bool IsSortedByNumber() {
  for (std::size_t i = 1; i < std::size(kCodes); ++i) {
    if (kCodes[i - 1].entity >= kCodes[i].entity) return false;
  }
  return true;
}
static_assert(IsSortedByNumber(), "the lookup by number halves the table");
static_assert(kCodes[std::size(kCodes) - 1].entity <= kMaxDxccEntityNumber);

std::string_view WithoutDeletionMark(std::string_view prefix) {
  if (!prefix.empty() && prefix.front() == '*') prefix.remove_prefix(1);
  return prefix;
}

// A prefix as a file or a caller writes it, blank-padded or marked deleted.
std::string_view BarePrefix(std::string_view prefix) {
  while (!prefix.empty() && prefix.back() == ' ') prefix.remove_suffix(1);
  return WithoutDeletionMark(prefix);
}

}  // namespace

std::span<const DxccEntityCode> DxccEntityCodes() { return kCodes; }

std::string_view DxccPrefixForEntity(int entity) {
  const auto* end = std::end(kCodes);
  const auto* it = std::lower_bound(std::begin(kCodes), end, entity,
                                    [](const DxccEntityCode& row, int n) { return row.entity < n; });
  if (it == end || it->entity != entity) return {};
  return it->prefix;
}

bool IsDeletedDxccEntity(int entity) {
  std::string_view prefix = DxccPrefixForEntity(entity);
  return !prefix.empty() && prefix.front() == '*';
}

std::string_view DeletedEntityName(std::string_view prefix) {
  prefix = BarePrefix(prefix);
  for (const DeletedEntity& entity : kDeletedEntities) {
    if (entity.prefix == prefix) return entity.name;
  }
  return {};
}

int DxccEntityForPrefix(std::string_view prefix) {
  prefix = BarePrefix(prefix);
  if (prefix.empty()) return 0;
  int deleted_match = 0;
  for (const DxccEntityCode& row : kCodes) {
    if (WithoutDeletionMark(row.prefix) != prefix) continue;
    if (row.prefix.front() != '*') return row.entity;
    if (deleted_match == 0) deleted_match = row.entity;
  }
  return deleted_match;
}

}  // namespace brilox
