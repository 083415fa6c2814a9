#include "sample_ledger.h"

#include "core/records/ledger_params.h"
#include "core/app/office_identity.h"
#include "core/common/account.h"
#include "core/common/checksums.h"
#include "core/common/cp1250.h"
#include "core/common/file_io.h"
#include "core/common/polish_letters.h"
#include "core/common/real6.h"
#include "core/common/record_access.h"
#include "core/common/utf8_path.h"
#include "core/records/cleared_record.h"
#include "core/records/ledger_record.h"
#include "core/print/calibration_files.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

namespace {

// A small deterministic generator, so that every run makes the same data.
struct Random {
    std::uint32_t state;
    std::uint32_t next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& a) { return a[next() % N]; }
    std::string digits(int n)
    {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>('0' + next() % 10);
        return s;
    }
    // Digits whose control digit is right, so the demo shows no checksum hints.
    std::string validDigits(int n, CheckResult (*check)(std::string_view))
    {
        for (;;) {
            std::string s = digits(n);
            if (check(s).verdict == CheckVerdict::Valid)
                return s;
        }
    }
};

using Words = std::array<std::string_view, 12>;
constexpr Words kSurnames = {"Kowalczyk", "Wiśniewska", "Żółkiewski", "Łęcka", "Dąbrowski", "Śliwińska",
                             "Nowak", "Gąsior", "Źrebiec", "Jabłoński", "Ćwikła", "Szczęsna"};
constexpr Words kFirstNames = {"Anna", "Łukasz", "Małgorzata", "Paweł", "Żaneta", "Jędrzej",
                               "Ewa", "Tomasz", "Bożena", "Michał", "Agnieszka", "Grzegorz"};
constexpr Words kCompanyWords = {"Zakład", "Przedsiębiorstwo", "Hurtownia", "Spółdzielnia", "Piekarnia", "Usługi",
                                 "Handel", "Transport", "Ogrodnictwo", "Stolarnia", "Księgarnia", "Pracownia"};
constexpr Words kCompanyNames = {"Bursztyn", "Jaskółka", "Dębowy Liść", "Pod Lipą", "Źródełko", "Gwiazda",
                                 "Kłos", "Żuraw", "Sosenka", "Zorza", "Wrzos", "Mazurek"};
constexpr Words kLocalities = {"Łódź", "Kraków", "Gdańsk", "Poznań", "Wrocław", "Białystok",
                               "Toruń", "Rzeszów", "Częstochowa", "Bielsko-Biała", "Zielona Góra", "Kielce"};
constexpr Words kVoivodeships = {"łódzkie", "małopolskie", "pomorskie", "wielkopolskie", "dolnośląskie", "podlaskie",
                                 "kujawsko-pomorskie", "podkarpackie", "śląskie", "śląskie", "lubuskie",
                                 "świętokrzyskie"};
constexpr Words kStreets = {"Ogrodowa", "Słoneczna", "Źródlana", "Kościuszki", "Długa", "Łąkowa",
                            "Polna", "Leśna", "Żeromskiego", "Krótka", "Wiśniowa", "Kwiatowa"};
constexpr Words kBanks = {"Bank Spółdzielczy w Łowiczu", "Pierwszy Bank Miejski", "Bank Rolny Oddział 2",
                          "Bank Handlowy Północ", "Kasa Oszczędności Kraków", "Bank Ziemi Śląskiej",
                          "Bank Pomorski", "Bank Wielkopolski", "Bank Mazurski", "Bank Kujawski",
                          "Bank Podlaski", "Bank Lubuski"};
constexpr Words kActivities = {"sprzedaż detaliczna artykułów spożywczych i przemysłowych",
                               "usługi budowlane i remontowe",
                               "naprawa pojazdów samochodowych",
                               "wypiek pieczywa i wyrobów cukierniczych",
                               "transport drogowy towarów",
                               "usługi księgowe",
                               "uprawa warzyw i owoców",
                               "produkcja mebli z drewna",
                               "sprzedaż książek i czasopism",
                               "usługi fryzjerskie i kosmetyczne",
                               "hurtowy handel materiałami budowlanymi",
                               "doradztwo w zakresie informatyki"};

constexpr std::array<std::string_view, 30> kOffices = {
    "Pierwszy Urząd Skarbowy w Łodzi",  "Drugi Urząd Skarbowy w Łodzi",    "Urząd Skarbowy Kraków-Podgórze",
    "Urząd Skarbowy Kraków-Nowa Huta",  "Urząd Skarbowy w Gdańsku",        "Urząd Skarbowy w Sopocie",
    "Pierwszy Urząd Skarbowy w Poznaniu", "Urząd Skarbowy Poznań-Jeżyce",  "Urząd Skarbowy Wrocław-Fabryczna",
    "Urząd Skarbowy Wrocław-Krzyki",    "Urząd Skarbowy w Białymstoku",    "Urząd Skarbowy w Toruniu",
    "Urząd Skarbowy w Rzeszowie",       "Urząd Skarbowy w Częstochowie",   "Urząd Skarbowy w Bielsku-Białej",
    "Urząd Skarbowy w Zielonej Górze",  "Urząd Skarbowy w Kielcach",       "Urząd Skarbowy w Łowiczu",
    "Urząd Skarbowy w Skierniewicach",  "Urząd Skarbowy w Płocku",         "Urząd Skarbowy w Radomiu",
    "Urząd Skarbowy w Siedlcach",       "Urząd Skarbowy w Ostrołęce",      "Urząd Skarbowy w Ciechanowie",
    "Urząd Skarbowy w Żyrardowie",      "Urząd Skarbowy w Pruszkowie",     "Urząd Skarbowy w Otwocku",
    "Urząd Skarbowy w Łomży",           "Urząd Skarbowy w Suwałkach",      "Urząd Skarbowy w Ełku",
};

struct LedgerWriter {
    std::uint8_t mode;
    Bytes rec;
    void text(const Field& f, std::string_view utf8) { setStr(rec, f, ToLedgerText(cp1250::fromUtf8(utf8), mode)); }
    // Fields the ledger keeps without the Polish-letter conversion.
    void raw(const Field& f, std::string_view utf8) { setStr(rec, f, cp1250::fromUtf8(utf8)); }
};

std::string nipWithDashes(Random& r)
{
    const std::string d = r.validDigits(10, CheckNip);
    return d.substr(0, 3) + "-" + d.substr(3, 3) + "-" + d.substr(6, 2) + "-" + d.substr(8, 2);
}

std::string bankAccount(Random& r)
{
    const std::string d = r.validDigits(26, CheckBankAccount);
    std::string s = d.substr(0, 2);
    for (std::size_t i = 2; i < d.size(); i += 4)
        s += " " + d.substr(i, 4);
    return s;
}

// The PESEL of a person born on `born`: its date, a serial and the control digit.
std::string peselFor(Random& r, Date4 born)
{
    const auto twoDigits = [](int n) { return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)}; };
    const int centuryMonths = born.year >= 2000 ? 20 : 0;
    const std::string serial =
        twoDigits(born.year % 100) + twoDigits(born.month + centuryMonths) + twoDigits(born.day) + r.digits(4);
    for (char control = '0';; ++control)
        if (CheckPesel(serial + control, born).verdict == CheckVerdict::Valid)
            return serial + control;
}

void writeAddress(LedgerWriter& w, Random& r, bool seat)
{
    namespace l = ledger;
    const std::size_t city = r.next() % kLocalities.size();
    const std::string postcode = r.digits(2) + "-" + r.digits(3);
    w.text(seat ? l::seat_country : l::home_country, "Polska");
    w.text(seat ? l::seat_voivodeship : l::home_voivodeship, kVoivodeships[city]);
    w.raw(seat ? l::seat_county : l::home_county, kLocalities[city]);
    w.text(seat ? l::seat_commune : l::home_commune, kLocalities[city]);
    w.text(seat ? l::seat_street : l::home_street, r.pick(kStreets));
    w.text(seat ? l::seat_house_no : l::home_house_no, std::to_string(1 + r.next() % 120));
    if (r.next() % 3 == 0)
        w.text(seat ? l::seat_flat_no : l::home_flat_no, std::to_string(1 + r.next() % 40));
    w.text(seat ? l::seat_locality : l::home_locality, kLocalities[city]);
    w.text(seat ? l::seat_postcode : l::home_postcode, postcode);
    w.text(seat ? l::seat_post_office : l::home_post_office, kLocalities[city]);
    w.text(seat ? l::seat_phone : l::home_phone, "(0" + r.digits(2) + ") " + r.digits(3) + "-" + r.digits(2) + "-" +
                                                       r.digits(2));
    if (seat)
        w.text(l::seat_fax, r.digits(3) + "-" + r.digits(2) + "-" + r.digits(2));
}

Date4 someDate(Random& r, int fromYear, int years)
{
    return Date4{static_cast<std::uint16_t>(fromYear + r.next() % years), static_cast<std::uint8_t>(1 + r.next() % 12),
                 static_cast<std::uint8_t>(1 + r.next() % 28)};
}

void writePerson(LedgerWriter& w, Random& r, int account)
{
    namespace l = ledger;
    std::string surname = std::string(r.pick(kSurnames));
    const int words = 1 + account % 3; // one-, two- and three-word surname fields
    // Appended piece by piece: " " + std::string&& trips a false -Wrestrict in GCC 12 (Release).
    for (int extra = 1; extra < words; ++extra) {
        surname += ' ';
        surname += r.pick(kFirstNames);
    }
    w.text(l::surname, surname);
    w.text(l::first_name, r.pick(kFirstNames));
    w.text(l::father_name, r.pick(kFirstNames));
    w.text(l::mother_name, r.pick(kFirstNames));
    w.text(l::birth_place, r.pick(kLocalities));
    const Date4 born = someDate(r, 1940, 50);
    setDate(w.rec, l::birth_date, born);
    w.text(l::pesel, peselFor(r, born));
    setU8(w.rec, l::taxpayer_kind, 1);
    writeAddress(w, r, false);
}

void writeCompany(LedgerWriter& w, Random& r, bool partnership)
{
    namespace l = ledger;
    const std::string base = std::string(r.pick(kCompanyWords)) + " \"" + std::string(r.pick(kCompanyNames)) + "\"";
    const std::string full = base + (partnership ? " spółka jawna" : " sp. z o.o.");
    w.text(l::surname, base);
    w.text(l::full_name, full);
    w.text(l::short_name, base.substr(0, 30));
    w.text(l::reg_organ_name, "Sąd Rejonowy w " + std::string(r.pick(kLocalities)));
    w.text(l::register_name, "Krajowy Rejestr Sądowy");
    setDate(w.rec, l::register_date, someDate(r, 1995, 10));
    w.text(l::register_no, "KRS" + r.digits(7));
    setU8(w.rec, l::taxpayer_kind, 0);
    writeAddress(w, r, true);
}

std::vector<std::uint8_t> ledgerFile(int taxpayers, std::uint8_t mode)
{
    namespace l = ledger;
    std::vector<std::uint8_t> file(static_cast<std::size_t>(taxpayers + 1) * l::kRecordSize, 0);
    Random r{20041205u};
    auto record = [&](int n) { return Bytes(file).subspan(static_cast<std::size_t>(n) * l::kRecordSize, l::kRecordSize); };
    // Record 0 belongs to no taxpayer, whatever it holds.
    setStr(record(0), l::account_no, "0");
    for (int n = 1; n <= taxpayers; ++n) {
        LedgerWriter w{mode, record(n)};
        const int role = n % 10;
        if (role == 7 && (n / 10) % 4 == 0) {
            setStr(w.rec, l::account_no, "    "); // a free record
            continue;
        }
        setStr(w.rec, l::account_no, AccountText(n));
        const bool partnership = role == 8;
        if (role <= 5 || role == 9)
            writePerson(w, r, n);
        else
            writeCompany(w, r, partnership);
        w.text(l::nip, nipWithDashes(r));
        w.text(l::regon, r.validDigits(9, CheckRegon));
        w.text(l::activity_desc, r.pick(kActivities));
        setDate(w.rec, l::start_date, someDate(r, 1992, 13));
        w.raw(l::bank_name, r.pick(kBanks));
        w.text(l::bank_account_no, bankAccount(r));
        setU8(w.rec, l::office_index, static_cast<std::uint8_t>(1 + r.next() % kOffices.size()));
        if (n % 13 == 0) {
            setU8(w.rec, l::second_office_flag, 1);
            setU8(w.rec, l::second_office_index, static_cast<std::uint8_t>(1 + r.next() % kOffices.size()));
        }
        setU8(w.rec, l::other_records_flag, n % 11 == 0 ? 1 : 0);
        if (partnership)
            setU8(w.rec, l::business_form, 2);
    }
    // Each partnership's partners are the records right after it, chained
    // through their links: chains of one to seven partners.
    for (int n = 8; n <= taxpayers; n += 10) {
        const int partners = 1 + (n / 10) % 7;
        if (n + partners > taxpayers)
            continue;
        for (int p = 0; p < partners; ++p)
            setI32(record(n + p), l::partner_link, n + p + 1);
    }
    return file;
}

std::vector<std::uint8_t> officesFile()
{
    std::vector<std::uint8_t> file((kOffices.size() + 1) * tax_office::kRecordSize, 0);
    for (std::size_t i = 0; i < kOffices.size(); ++i)
        setStr(Bytes(file).subspan((i + 1) * tax_office::kRecordSize, tax_office::kRecordSize), tax_office::name,
               cp1250::fromUtf8(kOffices[i]));
    return file;
}

std::vector<std::uint8_t> paramsFile(std::uint8_t mode)
{
    std::vector<std::uint8_t> rec(ledger_params::kRecordSize, 0);
    setU16(rec, ledger_params::year, 2004);
    setU8(rec, ledger_params::month, 12);
    setStr(rec, ledger_params::office_nip, "526-000-12-46");
    setU8(rec, ledger_params::letter_mode, mode);
    return rec;
}

std::vector<std::uint8_t> ratesFile()
{
    std::vector<std::uint8_t> rec(rates_record::kRecordSize, 0);
    const double rates[6] = {3.0, 5.5, 8.5, 17.0, 20.0, 0.0};
    for (std::uint32_t i = 0; i < 6; ++i)
        DoubleToReal6(rates[i], rec.data() + rates_record::rates.item(i).offset);
    return rec;
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    DataFile f(path, DataFile::Mode::Create);
    f.writeAt(0, bytes.data(), bytes.size());
}

// Margins of 5 mm and 8 mm between sections; the defaults as the spacings.
void writeCalibration(const std::string& dir)
{
    struct InDirectory {
        std::filesystem::path previous = std::filesystem::current_path();
        explicit InDirectory(const std::string& d) { std::filesystem::current_path(utf8Path(d)); }
        ~InDirectory() { std::filesystem::current_path(previous); }
    } inDir(dir);
    calibration::MarginTable margins{};
    margins.fill({5, 5});
    for (const auto* files : {&calibration::kNipMarginFiles, &calibration::kVatMarginFiles})
        for (const calibration::CalibrationFile* file : *files)
            calibration::saveMargins(*file, margins);
    calibration::SpacingTable spacings{};
    spacings.fill(8);
    for (const auto* files : {&calibration::kNipSpacingFiles, &calibration::kVatSpacingFiles})
        for (const calibration::CalibrationFile* file : *files) {
            calibration::saveSpacings(*file, spacings);
            writeTextFile(file->defaultsFileName(), *readTextFile(file->fileName()));
        }
}

} // namespace

void WriteSampleData(const std::string& dir, int taxpayers, std::uint8_t mode)
{
    const std::string at = dir + "/";
    writeFile(at + "konta200.Rdx", ledgerFile(taxpayers, mode));
    writeFile(at + "urzedy.Rdx", officesFile());
    writeFile(at + "Bank.Rdx", paramsFile(mode));
    writeFile(at + "strycz.Rdx", ratesFile());
    std::string identity;
    for (std::string_view line : {"BIURO RACHUNKOWE \"PRZYKŁADOWE\"", "SPÓŁKA CYWILNA", "UL. ŚWIĘTOKRZYSKA 11 M. 4",
                                  "00-950 WARSZAWA"})
        identity += cp1250::fromUtf8(line) + "\r\n";
    writeTextFile(at + kOfficeIdentityFile, identity);
    writeCalibration(dir);
}
