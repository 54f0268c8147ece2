#pragma once

// Realistic club data, generated from a fixed seed: dog names built from kennel
// prefixes, owners with accented and repeated names, blank fields, dogs entered again
// and again. Used by the benchmarks and the interoperability tests; values are UTF-8,
// chosen by field name, so any table layout of the program can be filled.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/Field.h"
#include "xbase/Table.h"

namespace bwsample {

// The dog master (`Dogs`) and a show's entries table (`TzDbf1`), with their tags.
inline xbase::FieldList dogsFields() {
    using namespace xbase;
    return {C("dog", 60),      C("titles", 30),   C("breed", 45),   C("sex", 6),
            C("first", 25),    C("last", 20),     C("owner2", 50),  C("address1", 40),
            C("address2", 40), C("address3", 40), C("zip", 10),     C("phone", 14),
            C("country", 20),  C("breeder", 60),  C("sire", 60),    C("dam", 60),
            D("bdate"),        C("email", 60),    C("atc_num", 15), C("height", 5),
            C("salutation", 15), D("modified"),   C("address4", 40)};
}
inline xbase::TagList dogsTags() {
    return {{"DOGNAME", "upper(dog)+str(recno(),5)"},
            {"OWNERNAME", "upper(last - first)+str(recno(),5)"},
            {"REGNUM", "upper(atc_num)+str(recno(),5)"}};
}

inline xbase::FieldList entryFields() {
    using namespace xbase;
    return {C("dog", 60),       C("titles", 30),    C("breed", 45),     C("sex", 6),
            C("salutation", 15), C("first", 25),    C("last", 30),      C("owner2", 30),
            C("address1", 40),  C("address2", 40),  C("address3", 40),  C("zip", 10),
            C("country", 40),   C("phone", 14),     C("email", 60),     C("classes", 30),
            N("firstclass", 3), C("arm", 5),        C("agent", 50),     C("breeder", 60),
            C("sire", 60),      C("dam", 60),       D("bdate"),         C("atc_num", 15),
            N("teamcode", 2),   N("show_num", 5),   C("note", 80),      L("printit"),
            L("prepaidcat"),    L("noprintadd"),    C("jr_name", 50),   C("jr_age", 5),
            C("height", 5),     C("section", 10),   C("catgroup", 3),   C("address4", 40),
            C("jr_class", 40),  C("jr_allkey", 4)};
}
inline xbase::TagList entryTags() {
    return {{"NAME", "upper(last + first +substr(owner2,1,10))+str(recno(),5)"},
            {"DOGNAME", "upper(dog)+str(recno(),5)"},
            {"REGNUM", "atc_num+str(recno(),5)"},
            {"ARMBAND", "str(val(arm),5,0)"},
            {"CLASSNUM", "str(firstclass,3)+str(recno(),5)"},
            {"CLNUMLAST", "str(firstclass,3)+upper(last + first)"}};
}

// splitmix64: the same numbers on every machine and library, unlike std::distributions.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t below(size_t n) { return n ? static_cast<size_t>(next() % n) : 0; }
    bool chance(int percent) { return below(100) < static_cast<size_t>(percent); }
    template <class T, size_t N>
    const T& pick(const T (&items)[N]) { return items[below(N)]; }

private:
    uint64_t state_;
};

namespace words {
inline const char* const kennels[] = {
    "Ashdale", "Brindlewick", "Kirkmoor", "Foxhollow", "Glenrowan", "Heatherlea", "Oakhurst",
    "Riverbend", "Stonebridge", "Willowmere", "Amberglen", "Blackthorn", "Clover Hill",
    "Deerfield", "Elmstead", "Fernvale", "Goldcrest", "Hollybrook", "Ivydene", "Juniper Ridge",
    "Kestrel", "Larkspur", "Meadowsweet", "Northwind", "Orchard Lea", "Pinecroft", "Quarry Hill",
    "Rosebank", "Silverbirch", "Thistledown", "Upwood", "Valleyview", "Westerby", "Yarrowdale",
    "vom Schönen Tal", "du Château d'Or", "Fjällbacka", "von der Mühle", "de la Forêt",
    "Søndervang", "Ærøskøbing", "Montaña Azul", "Bärenhöhle", "Skogsfrön", "Ōkami",
};
inline const char* const adjectives[] = {
    "Golden", "Silver", "Midnight", "Morning", "Royal", "Lucky", "Gentle", "Wild", "Little",
    "Bright", "Dark", "Merry", "Noble", "Proud", "Quiet", "Rustic", "Secret", "Sunny",
    "Velvet", "Whispering", "Autumn", "Winter", "Summer", "Spring", "Crimson", "Blue",
    "Dancing", "Flying", "Happy", "Magic", "Smoky", "Starlit", "Sweet", "True", "Brave",
};
inline const char* const nouns[] = {
    "Star", "Promise", "Dream", "Legend", "Spirit", "Storm", "Shadow", "Melody", "Jewel",
    "Arrow", "Knight", "Lady", "Prince", "Rose", "Thunder", "Whisper", "Echo", "Flame",
    "Harvest", "Meadow", "Ranger", "Sonnet", "Comet", "Cricket", "Duchess", "Fable",
    "Gambit", "Hero", "Journey", "Lark", "Maverick", "Nugget", "Pepper", "Quest", "Rascal",
    "Sapphire", "Tango", "Voyager", "Wizard", "Zephyr", "Crème Brûlée", "Señorita",
};
inline const char* const firstNames[] = {
    "Margaret", "John", "Susan", "David", "Elizabeth", "Michael", "Patricia", "Robert",
    "Jennifer", "William", "Linda", "James", "Barbara", "Richard", "Mary", "Thomas", "Karen",
    "Charles", "Helen", "Peter", "Anne", "George", "Sandra", "Paul", "Carol", "Mark", "Ruth",
    "Andrew", "Janet", "Brian", "José", "Zoë", "François", "Jürgen", "Åsa", "Søren", "Renée",
    "Chloé", "Björn", "Inés", "Łucja", "Maël", "Noémie", "Çağan", "Ann-Marie", "Jo",
};
inline const char* const lastNames[] = {
    "Smith", "Jones", "Williams", "Brown", "Taylor", "Davies", "Wilson", "Evans", "Thomas",
    "Johnson", "Roberts", "Walker", "Wright", "Robinson", "Thompson", "White", "Hughes",
    "Edwards", "Green", "Hall", "Wood", "Harris", "Lewis", "Martin", "Jackson", "Clarke",
    "Clark", "Turner", "Hill", "Scott", "Cooper", "Morris", "Ward", "Moore", "King", "Watson",
    "Baker", "Harrison", "Morgan", "Patel", "Young", "Allen", "Mitchell", "O'Brien",
    "MacDonald", "Müller", "Brontë", "García", "Núñez", "Øster", "Ågren", "Lefèvre",
    "Dvořák", "Schäfer", "van der Berg", "De'Ath", "Smith-Jones", "Lee",
};
inline const char* const breeds[] = {
    "Labrador Retriever", "German Shepherd Dog", "Golden Retriever", "Border Collie",
    "Cavalier King Charles Spaniel", "Staffordshire Bull Terrier", "Cocker Spaniel",
    "English Springer Spaniel", "Boxer", "Whippet", "Beagle", "Dachshund (Miniature Smooth)",
    "Shetland Sheepdog", "Rottweiler", "Bernese Mountain Dog", "Irish Setter", "Weimaraner",
    "Poodle (Standard)", "Poodle (Toy)", "Shih Tzu", "Bichon Frise", "Yorkshire Terrier",
    "West Highland White Terrier", "Border Terrier", "Jack Russell Terrier", "Pug",
    "French Bulldog", "Bulldog", "Great Dane", "Newfoundland", "Siberian Husky",
    "Afghan Hound", "Basset Hound", "Dalmatian", "Doberman", "Hungarian Vizsla",
    "Chow Chow", "Akita", "Saluki", "Pembroke Welsh Corgi",
};
inline const char* const streets[] = {
    "High Street", "Church Lane", "Station Road", "Mill Lane", "Park Avenue", "Victoria Road",
    "Green Lane", "Manor Road", "Kingsway", "Orchard Close", "The Crescent", "Rue de l'Église",
    "Hauptstraße", "Calle Mayor", "Storgatan", "Elm Drive", "Riverside Walk", "Chapel Row",
};
inline const char* const towns[] = {
    "Ashford", "Bramley", "Chesterfield", "Dorchester", "Evesham", "Falmouth", "Guildford",
    "Harrogate", "Ipswich", "Kendal", "Ludlow", "Malvern", "Newbury", "Oakham", "Penrith",
    "Ripon", "Stamford", "Tewkesbury", "Uttoxeter", "Wells", "Zürich", "Malmö", "Köln",
    "Besançon", "Århus", "Coruña",
};
inline const char* const counties[] = {
    "Kent", "Surrey", "Yorkshire", "Devon", "Cornwall", "Norfolk", "Cumbria", "Shropshire",
    "Worcestershire", "Berkshire", "Rutland", "Somerset", "Hampshire", "Essex",
};
inline const char* const countries[] = {
    "England", "England", "England", "England", "Scotland", "Wales", "Ireland", "France",
    "Germany", "Sweden", "Denmark", "Netherlands", "España", "Österreich",
};
inline const char* const titles[] = {"Ch", "Int Ch", "Sh Ch", "Ir Ch", "Ch & Ir Ch", "Jr Ch", "FT Ch"};
inline const char* const salutations[] = {"Mr", "Mrs", "Ms", "Miss", "Dr", "Mr & Mrs", "Rev"};
inline const char* const sections[] = {"Gundog", "Hound", "Terrier", "Utility", "Working",
                                       "Pastoral", "Toy", "Junior", "Obedience"};
inline const char* const classNames[] = {
    "Minor Puppy", "Puppy", "Junior", "Yearling", "Novice", "Graduate", "Post Graduate",
    "Mid Limit", "Limit", "Open", "Veteran", "Special Beginners", "Good Citizen",
};
} // namespace words

// Cuts UTF-8 text to at most n characters.
inline std::string cutChars(std::string s, size_t n) {
    size_t chars = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && chars++ == n) {
            s.resize(i);
            break;
        }
    }
    return s;
}

class ClubDataGen {
public:
    explicit ClubDataGen(uint64_t seed = 20030614) : rnd_(seed) {}

    Random& random() { return rnd_; }

    std::string dogName() {
        using namespace words;
        std::string kennel = rnd_.pick(kennels);
        std::string call = std::string(rnd_.pick(adjectives)) + " " + rnd_.pick(nouns);
        switch (rnd_.below(4)) {
        case 0: return call + " of " + kennel;
        case 1: return call;
        default: return kennel + " " + call;
        }
    }
    std::string firstName() { return rnd_.pick(words::firstNames); }
    std::string lastName() { return rnd_.pick(words::lastNames); }
    std::string date() {   // YYYYMMDD between 1995 and 2024
        char buf[16];
        std::snprintf(buf, sizeof buf, "%04zu%02zu%02zu", 1995 + rnd_.below(30),
                      1 + rnd_.below(12), 1 + rnd_.below(28));
        return buf;
    }
    std::string digits(size_t n) {
        std::string s;
        for (size_t i = 0; i < n; ++i) s += char('0' + rnd_.below(10));
        return s;
    }

    // A plausible value for a field of any of the program's tables, chosen by its name;
    // blankPercent of the values (of fields that may be blank) come out empty.
    std::string value(const xbase::FieldDef& f, int blankPercent = 8) {
        using namespace words;
        using xbase::FieldType;
        const std::string& n = f.name;
        if (f.type == FieldType::Logical) return rnd_.chance(50) ? "T" : "F";
        if (rnd_.chance(blankPercent)) return {};
        if (f.type == FieldType::Date) return date();
        if (f.type == FieldType::Numeric) {
            if (n == "firstclass" || n == "classnum")
                return rnd_.chance(5) ? "999" : std::to_string(1 + rnd_.below(60));
            size_t max = 1;
            for (int i = 0; i < f.length && i < 4; ++i) max *= 10;
            return std::to_string(rnd_.below(max));
        }
        std::string v;
        if (n == "dog" || n == "dog_name" || n == "sire" || n == "dam") v = dogName();
        else if (n == "first") v = firstName();
        else if (n == "last") v = lastName();
        else if (n == "owner2" || n == "agent" || n == "jr_name" || n == "fullname")
            v = firstName() + " " + lastName();
        else if (n == "breeder") v = rnd_.chance(50) ? firstName() + " " + lastName() : rnd_.pick(kennels);
        else if (n == "breed" || n == "breed_name") v = rnd_.pick(breeds);
        else if (n == "titles") v = rnd_.pick(titles);
        else if (n == "sex") v = rnd_.chance(50) ? "Dog" : "Bitch";
        else if (n == "salutation") v = rnd_.pick(salutations);
        else if (n == "address1") v = std::to_string(1 + rnd_.below(200)) + " " + rnd_.pick(streets);
        else if (n == "address2") v = rnd_.pick(towns);
        else if (n == "address3") v = rnd_.pick(counties);
        else if (n == "address4") v = rnd_.chance(70) ? std::string() : rnd_.pick(countries);
        else if (n == "country") v = rnd_.pick(countries);
        else if (n == "zip") v = std::string(1, char('A' + rnd_.below(26))) + digits(2) + " " + digits(1) + "AB";
        else if (n == "phone" || n == "workphone" || n == "fax") v = "0" + digits(4) + " " + digits(6);
        else if (n == "email") v = lowerAscii(firstName()) + "." + lowerAscii(lastName()) + "@example.org";
        else if (n == "atc_num") v = std::string(1, char('A' + rnd_.below(26))) + digits(7);
        else if (n == "height") v = std::to_string(20 + rnd_.below(60));
        else if (n == "arm") v = rnd_.chance(10) ? "A" + digits(1) : std::to_string(1 + rnd_.below(2500));
        else if (n == "classes") v = std::to_string(1 + rnd_.below(30)) + "," + std::to_string(31 + rnd_.below(30));
        else if (n == "section") v = rnd_.pick(sections);
        else if (n == "catgroup" || n == "cat_group" || n == "srtkey")
            v = std::string(1, char('A' + rnd_.below(6))) + digits(2);
        else if (n == "classname" || n == "jr_class" || n == "cat_desc") v = rnd_.pick(classNames);
        else if (n == "allkey" || n == "jr_allkey") v = std::string(1, char('A' + rnd_.below(8))) + digits(3);
        else if (n == "clubid") v = rnd_.chance(50) ? "KCC" : "wdc";
        else if (n == "group") v = rnd_.pick(sections);
        else if (n == "name") v = rnd_.pick(sections);
        else v = std::string(rnd_.pick(adjectives)) + " " + rnd_.pick(nouns);
        return cutChars(v, static_cast<size_t>(f.length));
    }

    std::vector<std::string> record(const xbase::FieldList& fields, int blankPercent = 8) {
        std::vector<std::string> r;
        r.reserve(fields.size());
        for (const auto& f : fields) r.push_back(value(f, blankPercent));
        return r;
    }

    // Records for a table; repeatPercent of them repeat an earlier dog (a dog entered
    // at several shows) with fresh other details, so equal names are common.
    std::vector<std::vector<std::string>> records(const xbase::FieldList& fields, size_t count,
                                                  int repeatPercent = 15, int blankPercent = 8) {
        std::vector<std::vector<std::string>> out;
        out.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            out.push_back(record(fields, blankPercent));
            if (i > 0 && rnd_.chance(repeatPercent)) {
                const auto& earlier = out[rnd_.below(i)];
                for (size_t f = 0; f < fields.size(); ++f) {
                    const std::string& n = fields[f].name;
                    if (n == "dog" || n == "first" || n == "last" || n == "atc_num" || n == "breed")
                        out.back()[f] = earlier[f];
                }
            }
        }
        return out;
    }

private:
    static std::string lowerAscii(std::string s) {
        std::string out;
        for (char c : s)
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) out += char(c | 0x20);
        return out.empty() ? "x" : out;
    }
    Random rnd_;
};

// Writes the records into a new table file (replacing one that is there) through the
// engine, then marks every record whose 1-based number is in `deleted`.
inline void writeTable(const std::string& path, const xbase::FieldList& fields,
                       const std::vector<std::vector<std::string>>& records,
                       const std::vector<uint32_t>& deleted = {},
                       xbase::CodePage cp = xbase::CodePage::CP850) {
    std::remove(path.c_str());
    xbase::Table t(fields);
    t.setCodePage(cp);
    t.setFileName(path);
    t.setExclusive(true);
    t.open();
    for (const auto& r : records) {
        t.append();
        for (size_t f = 0; f < fields.size(); ++f) {
            if (r[f].empty()) continue;
            if (fields[f].type == xbase::FieldType::Logical) t.setFieldBool(fields[f].name, r[f] == "T");
            else t.setField(fields[f].name, r[f]);
        }
        t.post();
    }
    for (uint32_t rec : deleted) t.poke("*", 0, rec);
    t.close();
}

} // namespace bwsample
