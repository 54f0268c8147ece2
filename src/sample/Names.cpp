#include "sample/Names.h"

#include <utility>

namespace bw::sample {

const std::vector<RealBreed>& realBreeds()
{
    static const std::vector<RealBreed> list = {
        // Gundog
        {"Labrador Retriever", "Gundog", '1'}, {"Golden Retriever", "Gundog", '1'},
        {"Flat Coated Retriever", "Gundog", '1'}, {"Curly Coated Retriever", "Gundog", '1'},
        {"Chesapeake Bay Retriever", "Gundog", '1'}, {"Nova Scotia Duck Tolling Retriever", "Gundog", '1'},
        {"Cocker Spaniel", "Gundog", '1'}, {"American Cocker Spaniel", "Gundog", '1'},
        {"English Springer Spaniel", "Gundog", '1'}, {"Welsh Springer Spaniel", "Gundog", '1'},
        {"Clumber Spaniel", "Gundog", '1'}, {"Field Spaniel", "Gundog", '1'},
        {"Sussex Spaniel", "Gundog", '1'}, {"Irish Water Spaniel", "Gundog", '1'},
        {"Irish Setter", "Gundog", '1'}, {"Irish Red and White Setter", "Gundog", '1'},
        {"English Setter", "Gundog", '1'}, {"Gordon Setter", "Gundog", '1'},
        {"Pointer", "Gundog", '1'}, {"German Shorthaired Pointer", "Gundog", '1'},
        {"German Wirehaired Pointer", "Gundog", '1'}, {"German Longhaired Pointer", "Gundog", '1'},
        {"Hungarian Vizsla", "Gundog", '1'}, {"Hungarian Wirehaired Vizsla", "Gundog", '1'},
        {"Weimaraner", "Gundog", '1'}, {"Brittany", "Gundog", '1'},
        {"Italian Spinone", "Gundog", '1'}, {"Bracco Italiano", "Gundog", '1'},
        {"Large Munsterlander", "Gundog", '1'}, {"Small Munsterlander", "Gundog", '1'},
        {"Spanish Water Dog", "Gundog", '1'}, {"Lagotto Romagnolo", "Gundog", '1'},
        {"Kooikerhondje", "Gundog", '1'}, {"Korthals Griffon", "Gundog", '1'},
        // Hound
        {"Afghan Hound", "Hound", '2'}, {"Basenji", "Hound", '2'},
        {"Basset Hound", "Hound", '2'}, {"Basset Fauve de Bretagne", "Hound", '2'},
        {"Petit Basset Griffon Vendéen", "Hound", '2'}, {"Grand Basset Griffon Vendéen", "Hound", '2'},
        {"Beagle", "Hound", '2'}, {"Bloodhound", "Hound", '2'},
        {"Borzoi", "Hound", '2'}, {"Dachshund (Standard Smooth)", "Hound", '2'},
        {"Dachshund (Standard Long)", "Hound", '2'}, {"Dachshund (Standard Wire)", "Hound", '2'},
        {"Dachshund (Miniature Smooth)", "Hound", '2'}, {"Dachshund (Miniature Long)", "Hound", '2'},
        {"Dachshund (Miniature Wire)", "Hound", '2'}, {"Deerhound", "Hound", '2'},
        {"Foxhound", "Hound", '2'}, {"Greyhound", "Hound", '2'},
        {"Hamiltonstövare", "Hound", '2'}, {"Ibizan Hound", "Hound", '2'},
        {"Irish Wolfhound", "Hound", '2'}, {"Norwegian Elkhound", "Hound", '2'},
        {"Otterhound", "Hound", '2'}, {"Pharaoh Hound", "Hound", '2'},
        {"Rhodesian Ridgeback", "Hound", '2'}, {"Saluki", "Hound", '2'},
        {"Sloughi", "Hound", '2'}, {"Whippet", "Hound", '2'},
        {"Finnish Spitz", "Hound", '2'}, {"Azawakh", "Hound", '2'},
        {"Segugio Italiano", "Hound", '2'}, {"Portuguese Podengo", "Hound", '2'},
        // Pastoral
        {"Australian Cattle Dog", "Pastoral", '3'}, {"Australian Shepherd", "Pastoral", '3'},
        {"Bearded Collie", "Pastoral", '3'}, {"Belgian Shepherd Dog (Groenendael)", "Pastoral", '3'},
        {"Belgian Shepherd Dog (Laekenois)", "Pastoral", '3'}, {"Belgian Shepherd Dog (Malinois)", "Pastoral", '3'},
        {"Belgian Shepherd Dog (Tervueren)", "Pastoral", '3'}, {"Border Collie", "Pastoral", '3'},
        {"Briard", "Pastoral", '3'}, {"Collie (Rough)", "Pastoral", '3'},
        {"Collie (Smooth)", "Pastoral", '3'}, {"German Shepherd Dog", "Pastoral", '3'},
        {"Komondor", "Pastoral", '3'}, {"Hungarian Puli", "Pastoral", '3'},
        {"Maremma Sheepdog", "Pastoral", '3'}, {"Old English Sheepdog", "Pastoral", '3'},
        {"Polish Lowland Sheepdog", "Pastoral", '3'}, {"Pyrenean Mountain Dog", "Pastoral", '3'},
        {"Pyrenean Sheepdog", "Pastoral", '3'}, {"Samoyed", "Pastoral", '3'},
        {"Shetland Sheepdog", "Pastoral", '3'}, {"Swedish Vallhund", "Pastoral", '3'},
        {"Welsh Corgi (Cardigan)", "Pastoral", '3'}, {"Welsh Corgi (Pembroke)", "Pastoral", '3'},
        {"Anatolian Shepherd Dog", "Pastoral", '3'}, {"Estrela Mountain Dog", "Pastoral", '3'},
        {"Finnish Lapphund", "Pastoral", '3'}, {"Norwegian Buhund", "Pastoral", '3'},
        {"Lancashire Heeler", "Pastoral", '3'}, {"Catalan Sheepdog", "Pastoral", '3'},
        {"Picardy Sheepdog", "Pastoral", '3'}, {"Bergamasco", "Pastoral", '3'},
        // Terrier
        {"Airedale Terrier", "Terrier", '4'}, {"Australian Terrier", "Terrier", '4'},
        {"Bedlington Terrier", "Terrier", '4'}, {"Border Terrier", "Terrier", '4'},
        {"Bull Terrier", "Terrier", '4'}, {"Bull Terrier (Miniature)", "Terrier", '4'},
        {"Cairn Terrier", "Terrier", '4'}, {"Cesky Terrier", "Terrier", '4'},
        {"Dandie Dinmont Terrier", "Terrier", '4'}, {"Fox Terrier (Smooth)", "Terrier", '4'},
        {"Fox Terrier (Wire)", "Terrier", '4'}, {"Glen of Imaal Terrier", "Terrier", '4'},
        {"Irish Terrier", "Terrier", '4'}, {"Kerry Blue Terrier", "Terrier", '4'},
        {"Lakeland Terrier", "Terrier", '4'}, {"Manchester Terrier", "Terrier", '4'},
        {"Norfolk Terrier", "Terrier", '4'}, {"Norwich Terrier", "Terrier", '4'},
        {"Parson Russell Terrier", "Terrier", '4'}, {"Jack Russell Terrier", "Terrier", '4'},
        {"Scottish Terrier", "Terrier", '4'}, {"Sealyham Terrier", "Terrier", '4'},
        {"Skye Terrier", "Terrier", '4'}, {"Soft Coated Wheaten Terrier", "Terrier", '4'},
        {"Staffordshire Bull Terrier", "Terrier", '4'}, {"Welsh Terrier", "Terrier", '4'},
        {"West Highland White Terrier", "Terrier", '4'}, {"Bedlington Terrier (Liver)", "Terrier", '4'},
        // Toy
        {"Affenpinscher", "Toy", '5'}, {"Australian Silky Terrier", "Toy", '5'},
        {"Bichon Frise", "Toy", '5'}, {"Bolognese", "Toy", '5'},
        {"Cavalier King Charles Spaniel", "Toy", '5'}, {"Chihuahua (Long Coat)", "Toy", '5'},
        {"Chihuahua (Smooth Coat)", "Toy", '5'}, {"Chinese Crested", "Toy", '5'},
        {"Coton de Tuléar", "Toy", '5'}, {"English Toy Terrier (Black & Tan)", "Toy", '5'},
        {"Griffon Bruxellois", "Toy", '5'}, {"Havanese", "Toy", '5'},
        {"Italian Greyhound", "Toy", '5'}, {"Japanese Chin", "Toy", '5'},
        {"King Charles Spaniel", "Toy", '5'}, {"Löwchen", "Toy", '5'},
        {"Maltese", "Toy", '5'}, {"Miniature Pinscher", "Toy", '5'},
        {"Papillon", "Toy", '5'}, {"Pekingese", "Toy", '5'},
        {"Pomeranian", "Toy", '5'}, {"Pug", "Toy", '5'},
        {"Yorkshire Terrier", "Toy", '5'}, {"Russian Toy", "Toy", '5'},
        // Utility
        {"Akita", "Utility", '6'}, {"Japanese Akita Inu", "Utility", '6'},
        {"Boston Terrier", "Utility", '6'}, {"Bulldog", "Utility", '6'},
        {"Chow Chow", "Utility", '6'}, {"Dalmatian", "Utility", '6'},
        {"French Bulldog", "Utility", '6'}, {"German Spitz (Klein)", "Utility", '6'},
        {"German Spitz (Mittel)", "Utility", '6'}, {"Japanese Shiba Inu", "Utility", '6'},
        {"Japanese Spitz", "Utility", '6'}, {"Keeshond", "Utility", '6'},
        {"Lhasa Apso", "Utility", '6'}, {"Miniature Schnauzer", "Utility", '6'},
        {"Schnauzer", "Utility", '6'}, {"Poodle (Standard)", "Utility", '6'},
        {"Poodle (Miniature)", "Utility", '6'}, {"Poodle (Toy)", "Utility", '6'},
        {"Schipperke", "Utility", '6'}, {"Shar Pei", "Utility", '6'},
        {"Shih Tzu", "Utility", '6'}, {"Tibetan Spaniel", "Utility", '6'},
        {"Tibetan Terrier", "Utility", '6'}, {"Xoloitzcuintle (Miniature)", "Utility", '6'},
        {"Canaan Dog", "Utility", '6'}, {"Eurasier", "Utility", '6'},
        {"Mexican Hairless (Intermediate)", "Utility", '6'}, {"Korean Jindo", "Utility", '6'},
        // Working
        {"Alaskan Malamute", "Working", '7'}, {"Beauceron", "Working", '7'},
        {"Bernese Mountain Dog", "Working", '7'}, {"Boxer", "Working", '7'},
        {"Bullmastiff", "Working", '7'}, {"Canadian Eskimo Dog", "Working", '7'},
        {"Dobermann", "Working", '7'}, {"Dogue de Bordeaux", "Working", '7'},
        {"Entlebucher Mountain Dog", "Working", '7'}, {"German Pinscher", "Working", '7'},
        {"Giant Schnauzer", "Working", '7'}, {"Great Dane", "Working", '7'},
        {"Greater Swiss Mountain Dog", "Working", '7'}, {"Greenland Dog", "Working", '7'},
        {"Hovawart", "Working", '7'}, {"Leonberger", "Working", '7'},
        {"Mastiff", "Working", '7'}, {"Neapolitan Mastiff", "Working", '7'},
        {"Newfoundland", "Working", '7'}, {"Portuguese Water Dog", "Working", '7'},
        {"Rottweiler", "Working", '7'}, {"Russian Black Terrier", "Working", '7'},
        {"St. Bernard", "Working", '7'}, {"Siberian Husky", "Working", '7'},
        {"Tibetan Mastiff", "Working", '7'}, {"Cane Corso", "Working", '7'},
        {"Dogo Argentino", "Working", '7'}, {"Kangal Shepherd Dog", "Working", '7'},
    };
    return list;
}

std::string cutChars(std::string s, size_t n)
{
    size_t chars = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && chars++ == n) {
            s.resize(i);
            break;
        }
    }
    return s;
}

std::string lowerAscii(const std::string& s)
{
    // Accented letters of the name lists by their plain letters, as people write them in
    // an e-mail address.
    static const std::pair<const char*, const char*> plain[] = {
        {"à", "a"}, {"á", "a"}, {"â", "a"}, {"ä", "a"}, {"å", "a"}, {"Å", "a"}, {"Ä", "a"}, {"æ", "ae"},
        {"Æ", "ae"}, {"ç", "c"}, {"Ç", "c"}, {"č", "c"}, {"è", "e"}, {"é", "e"}, {"ê", "e"}, {"ë", "e"},
        {"í", "i"}, {"ï", "i"}, {"ł", "l"}, {"Ł", "l"}, {"ñ", "n"}, {"ó", "o"}, {"ô", "o"}, {"ö", "o"},
        {"ø", "o"}, {"Ø", "o"}, {"Ö", "o"}, {"ō", "o"}, {"Ō", "o"}, {"ř", "r"}, {"ß", "ss"}, {"ğ", "g"},
        {"ú", "u"}, {"ü", "u"}, {"Ü", "u"}};
    std::string out;
    for (size_t i = 0; i < s.size();) {
        const char c = s[i];
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            out += char(c | 0x20);
            ++i;
            continue;
        }
        size_t len = 1;
        if ((static_cast<unsigned char>(c) & 0xE0) == 0xC0) len = 2;
        else if ((static_cast<unsigned char>(c) & 0xF0) == 0xE0) len = 3;
        else if ((static_cast<unsigned char>(c) & 0xF8) == 0xF0) len = 4;
        const std::string letter = s.substr(i, len);
        for (const auto& [accented, base] : plain)
            if (letter == accented) out += base;
        i += len;
    }
    return out.empty() ? "x" : out;
}

std::string ClubDataGen::dogName()
{
    using namespace words;
    std::string kennel = rnd_.pick(kennels);
    std::string call = rnd_.pick(adjectives);
    call += " ";
    call += rnd_.pick(nouns);
    switch (rnd_.below(4)) {
    case 0: return call + " of " + kennel;
    case 1: return call;
    default: return kennel + " " + call;
    }
}

std::string ClubDataGen::fullName()
{
    std::string name = firstName();
    return name + " " + lastName();
}

std::string ClubDataGen::date()
{
    return dateBetween(1995, 2024);
}

std::string ClubDataGen::dateBetween(int firstYear, int lastYear)
{
    char buf[16];
    const size_t year = size_t(firstYear) + rnd_.below(size_t(lastYear - firstYear + 1));
    const size_t month = 1 + rnd_.below(12);
    const size_t day = 1 + rnd_.below(28);
    std::snprintf(buf, sizeof buf, "%04zu%02zu%02zu", year, month, day);
    return buf;
}

std::string ClubDataGen::digits(size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i) s += char('0' + rnd_.below(10));
    return s;
}

std::string ClubDataGen::address1()
{
    std::string a = std::to_string(1 + rnd_.below(200)) + " ";
    return a + rnd_.pick(words::streets);
}

std::string ClubDataGen::zip()
{
    std::string z(1, char('A' + rnd_.below(26)));
    z += digits(2);
    z += " ";
    z += digits(1);
    return z + "AB";
}

std::string ClubDataGen::phone()
{
    std::string p = "0" + digits(4);
    return p + " " + digits(6);
}

std::string ClubDataGen::email(const std::string& first, const std::string& last)
{
    return lowerAscii(first) + "." + lowerAscii(last) + "@example.org";
}

std::string ClubDataGen::regNumber()
{
    std::string r(1, char('A' + rnd_.below(26)));
    return r + digits(7);
}

std::string ClubDataGen::value(const xbase::FieldDef& f, int blankPercent)
{
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
        v = fullName();
    else if (n == "breeder") v = rnd_.chance(50) ? fullName() : rnd_.pick(kennels);
    else if (n == "breed" || n == "breed_name") v = rnd_.pick(breeds);
    else if (n == "titles") v = rnd_.pick(titles);
    else if (n == "sex") v = rnd_.chance(50) ? "Dog" : "Bitch";
    else if (n == "salutation") v = rnd_.pick(salutations);
    else if (n == "address1") v = address1();
    else if (n == "address2") v = rnd_.pick(towns);
    else if (n == "address3") v = rnd_.pick(counties);
    else if (n == "address4") v = rnd_.chance(70) ? std::string() : rnd_.pick(countries);
    else if (n == "country") v = rnd_.pick(countries);
    else if (n == "zip") v = zip();
    else if (n == "phone" || n == "workphone" || n == "fax") v = phone();
    else if (n == "email") {
        const std::string first = firstName();
        v = email(first, lastName());
    }
    else if (n == "atc_num") v = regNumber();
    else if (n == "height") v = std::to_string(20 + rnd_.below(60));
    else if (n == "arm") v = rnd_.chance(10) ? "A" + digits(1) : std::to_string(1 + rnd_.below(2500));
    else if (n == "classes") {
        v = std::to_string(1 + rnd_.below(30)) + ",";
        v += std::to_string(31 + rnd_.below(30));
    }
    else if (n == "section") v = rnd_.pick(sections);
    else if (n == "catgroup" || n == "cat_group" || n == "srtkey")
        v = std::string(1, char('A' + rnd_.below(6))), v += digits(2);
    else if (n == "classname" || n == "jr_class" || n == "cat_desc") v = rnd_.pick(classNames);
    else if (n == "allkey" || n == "jr_allkey") v = std::string(1, char('A' + rnd_.below(8))), v += digits(3);
    else if (n == "clubid") v = rnd_.chance(50) ? "KCC" : "wdc";
    else if (n == "group") v = rnd_.pick(sections);
    else if (n == "name") v = rnd_.pick(sections);
    else {
        v = rnd_.pick(adjectives);
        v += " ";
        v += rnd_.pick(nouns);
    }
    return cutChars(v, static_cast<size_t>(f.length));
}

std::vector<std::string> ClubDataGen::record(const xbase::FieldList& fields, int blankPercent)
{
    std::vector<std::string> r;
    r.reserve(fields.size());
    for (const auto& f : fields) r.push_back(value(f, blankPercent));
    return r;
}

std::vector<std::vector<std::string>> ClubDataGen::records(const xbase::FieldList& fields, size_t count,
                                                           int repeatPercent, int blankPercent)
{
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

} // namespace bw::sample
