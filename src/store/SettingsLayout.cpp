#include "store/SettingsLayout.h"

namespace store {

namespace {
constexpr ValueType I = ValueType::Integer;
constexpr ValueType B = ValueType::Boolean;
constexpr ValueType T = ValueType::Text;
constexpr ValueType D = ValueType::Time;
}  // namespace

const std::array<SettingValue, 37> kSettingsValues{{
    {L"c1", I},  {L"c2", I},  {L"c3", I},  {L"c4", I},   {L"f1", T},   {L"f2", T},  {L"f3", T},   {L"s1", I},
    {L"s2", I},  {L"s3", I},  {L"t1", I},  {L"t2", I},   {L"t3", I},   {L"tc", B},  {L"ab", I},   {L"hm", B},
    {L"edt", B}, {L"dt", D},  {L"eat", B}, {L"at", D},   {L"esnd", B}, {L"gst", B}, {L"eb", B},   {L"cdf", B},
    {L"dbs", B}, {L"ld", B},  {L"tf", B},  {L"rh", B},   {L"ra", I},   {L"hdr", B}, {L"hbto", B}, {L"bto", B},
    {L"bml", B}, {L"bsp", B}, {L"bap", B}, {L"scoh", B}, {L"scoa", B},
}};

}  // namespace store
