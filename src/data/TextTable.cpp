// Generated data: month names, month abbreviations and the interface texts in German, English and French. Do not edit by hand.
#include "data/BuiltInTexts.h"

namespace BuiltIn {

// Index (month - 1) * 3 + language.
const tv::CheckedArray<const char*, 0, 35> MonthNameRows = {{{
    "Januar", "January", "Janvier",
    "Februar", "February", "Fevrier",
    "März", "March", "Mars",
    "April", "April", "Avril",
    "Mai", "May", "Mai",
    "Juni", "June", "Juin",
    "Juli", "July", "Juillet",
    "August", "August", "Aout",
    "September", "September", "Septembre",
    "Oktober", "October", "Octobre",
    "November", "November", "Novembre",
    "Dezember", "December", "Decembre",
}}};

const tv::CheckedArray<const char*, 0, 35> MonthAbbrevRows = {{{
    "Jan", "Jan", "Jan",
    "Feb", "Feb", "Fev",
    "Mär", "Mar", "Mar",
    "Apr", "Apr", "Apr",
    "Mai", "May", "Mai",
    "Jun", "Jun", "Jun",
    "Jul", "Jul", "Jul",
    "Aug", "Aug", "Aou",
    "Sep", "Sep", "Sep",
    "Okt", "Oct", "Oct",
    "Nov", "Nov", "Nov",
    "Dez", "Dec", "Dec",
}}};

// [row][language], rows 1 to 44.
const tv::CheckedArray<tv::CheckedArray<const char*, 0, 2>, 1, 44> TextRows = {{{
    {{{"Echtzeit", "Real time", "Temps réel"}}},  // 1
    {{{"Sonne", "Sun", "Soleil"}}},  // 2
    {{{"Mond", "Moon", "Lune"}}},  // 3
    {{{"Planets", "Planets", "Planètes"}}},  // 4
    {{{"grössere Schrift", "increase font size", "agrandir"}}},  // 5
    {{{"kleinere Schrift", "decrease font size", "réduire"}}},  // 6
    {{{"Mitternacht", "Midnight", "Minuit"}}},  // 7
    {{{"Weltzeit UT", "Universal time UT", "Temps universel TU"}}},  // 8
    {{{"Sommerzeit", "D.S.T.", "Heure d'été"}}},  // 9
    {{{"RA/DE-Zeiger", "RA and DE pointer", "pointeur (RA, DE)"}}},  // 10
    {{{"auf Sonne fixieren", "lock to the Sun", "suivre au soleil"}}},  // 11
    {{{"Mondbahn", "Lunar orbit", "Orbite lunaire"}}},  // 12
    {{{"Ekliptik", "Ecliptic", "Ecliptique"}}},  // 13
    {{{"Geogr. Breite +=N -=S", "Geogr. Latitude +=N -=S", "Latitude géogr. +=N -=S"}}},  // 14
    {{{"Geogr. Länge +=O -=W", "Geogr. Longitude +=E -=W", "Longitude géogr. +=E -=O"}}},  // 15
    {{{"N", "N", "N"}}},  // 16
    {{{"O", "E", "E"}}},  // 17
    {{{"S", "S", "S"}}},  // 18
    {{{"W", "W", "O"}}},  // 19
    {{{"Präzession der Erdachse", "Axial precession", "Précession des équinoxes"}}},  // 20
    {{{"Stellare Eigenbewegung", "Stellar proper motion", "Mouvement propre des étoiles"}}},  // 21
    {{{"Mittag", "Noon", "Midi"}}},  // 22
    {{{"Sonne", "Sun", "Soleil"}}},  // 23
    {{{"Mond", "Moon", "Lune"}}},  // 24
    {{{"Merkur", "Mercury", "Mercure"}}},  // 25
    {{{"Venus", "Venus", "Venus"}}},  // 26
    {{{"Mars", "Mars", "Mars"}}},  // 27
    {{{"Jupiter", "Jupiter", "Jupiter"}}},  // 28
    {{{"Saturn", "Saturn", "Saturne"}}},  // 29
    {{{"Uranus", "Uranus", "Uranus"}}},  // 30
    {{{"Neptun", "Neptune", "Neptune"}}},  // 31
    {{{"Körper   ", "Body     ", "Object   "}}},  // 32
    {{{"Jetzt", "now", "maintenant"}}},  // 33
    {{{"Morgenhimmel:", "Morning sky:", "Ciel du matin:"}}},  // 34
    {{{"Abendhimmel:", "Evening sky:", "Ciel du soir:"}}},  // 35
    {{{"Astron. Dämmerung", "Astron. twilight", "Crépuscule astronomique"}}},  // 36
    {{{"Naut. Dämmerung", "Nautic. twilight", "Crépuscule nautique"}}},  // 37
    {{{"Bürgerl. Dämmerung", "Civil twilight", "Crépuscule civil"}}},  // 38
    {{{"Sonnenaufgang", "Sunrise", "Lever du soleil"}}},  // 39
    {{{"Sonnenuntergang", "Sunset", "Coucher du soleil"}}},  // 40
    {{{"Mittag", "Noon", "Midi"}}},  // 41
    {{{"Monat", "Month", "Mois"}}},  // 42
    {{{"Quartal", "Quarter", "Trimestre"}}},  // 43
    {{{"Jahr", "Year", "Année"}}},  // 44
}}};

}  // namespace BuiltIn
