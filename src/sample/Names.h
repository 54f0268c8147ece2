#pragma once

// Realistic names for made-up club data, from a fixed seed: dog names built from kennel
// prefixes, owners with accented and repeated names, addresses, dates, numbers. The
// sample club and the benchmarks draw from the same lists, so the same seed always
// gives the same names on every machine.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "xbase/Field.h"

namespace bw::sample {

// splitmix64: the same numbers on every machine and library, unlike std::distributions.
// (Callers take one number per statement: the order in which the operands of "+" are
// worked out is the compiler's choice.)
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
    template <class T>
    const T& pick(const std::vector<T>& items) { return items[below(items.size())]; }

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
inline const char* const childNames[] = {
    "Emily", "Oliver", "Sophie", "Harry", "Grace", "Jack", "Lily", "Noah", "Chloé", "Léa",
    "Mia", "Finn", "Ella", "Lukas", "Maja", "Zoë", "Hannah", "Tomás", "Freya", "Elías",
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
// A few breeds for tools that need a name only; the sample club's breeds list is
// realBreeds() below.
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

// A real breed of the breeds list with its group (the breed groups of the large kennel
// clubs, numbered 1 to 7 for the group-number order).
struct RealBreed {
    const char* name;
    const char* group;   // Gundog, Hound, Pastoral, Terrier, Toy, Utility, Working
    char groupNumber;    // '1'..'7' in that order
};
// About two hundred breeds and varieties, in no particular order.
const std::vector<RealBreed>& realBreeds();

// Cuts UTF-8 text to at most n characters.
std::string cutChars(std::string s, size_t n);
// The letters of a name in lower case a-z, accented ones by their plain letters (Zoë
// gives zoe); "x" when there are none.
std::string lowerAscii(const std::string& s);

class ClubDataGen {
public:
    explicit ClubDataGen(uint64_t seed = 20030614) : rnd_(seed) {}

    Random& random() { return rnd_; }

    std::string dogName();
    std::string firstName() { return rnd_.pick(words::firstNames); }
    std::string lastName() { return rnd_.pick(words::lastNames); }
    std::string fullName();             // first name, blank, last name
    std::string date();                 // YYYYMMDD between 1995 and 2024
    std::string dateBetween(int firstYear, int lastYear);  // YYYYMMDD
    std::string digits(size_t n);
    std::string address1();             // "12 High Street"
    std::string zip();                  // "K12 3AB"
    std::string phone();                // "01234 567890"
    std::string email(const std::string& first, const std::string& last);
    std::string regNumber();            // a registration (ATC) number

    // A plausible value for a field of any of the program's tables, chosen by its name;
    // blankPercent of the values (of fields that may be blank) come out empty.
    std::string value(const xbase::FieldDef& f, int blankPercent = 8);

    std::vector<std::string> record(const xbase::FieldList& fields, int blankPercent = 8);

    // Records for a table; repeatPercent of them repeat an earlier dog (a dog entered
    // at several shows) with fresh other details, so equal names are common.
    std::vector<std::vector<std::string>> records(const xbase::FieldList& fields, size_t count,
                                                  int repeatPercent = 15, int blankPercent = 8);

private:
    Random rnd_;
};

} // namespace bw::sample
