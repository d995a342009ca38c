// Generated data: the 40 time zones of the zone list (offset, name, status text). Do not edit by hand.
#include "data/BuiltInTexts.h"

namespace BuiltIn {

const tv::CheckedArray<TZoneRow, 0, 39> TZoneRows = {{{
    {-12.0, "UTC-12   ", "UTC-12      BIT; IDLW"},  // 0
    {-11.0, "UTC-11   ", "UTC-11      NUT; SST"},  // 1
    {-10.0, "UTC-10   ", "UTC-10      CKT; HST; SDT; TAHT"},  // 2
    {-9.5, "UTC-09:30", "UTC-09:30   MART; MIT"},  // 3
    {-9.0, "UTC-09   ", "UTC-09      AKST; GAMT; GIT; HDT"},  // 4
    {-8.0, "UTC-08   ", "UTC-08      AKDT; CIST; PST"},  // 5
    {-7.0, "UTC-07   ", "UTC-07      MST; PDT"},  // 6
    {-6.0, "UTC-06   ", "UTC-06      CST; EAST; GALT; MDT"},  // 7
    {-5.0, "UTC-05   ", "UTC-05      ACT; CDT; COT; CST; EASST; ECT; EST; PET"},  // 8
    {-4.0, "UTC-04   ", "UTC-04      AMT; AST; BOT; CDT; CLT; COST; ECT; EDT; FKT; GYT; PYT; VET"},  // 9
    {-3.5, "UTC-03:30", "UTC-03:30   NST; NT"},  // 10
    {-3.0, "UTC-03   ", "UTC-03      ADT; AMST; ART; BRT; CLST; FKST; GFT; PMST; PYST; ROTT; SRT; UYT"},  // 11
    {-2.5, "UTC-02:30", "UTC-02:30   NDT"},  // 12
    {-2.0, "UTC-02   ", "UTC-02      BRST; FNT; GST; PMDT; UYST"},  // 13
    {-1.0, "UTC-01   ", "UTC-01      AZOT; CVT"},  // 14
    {0.0, "UTC±00   ", "UTC±00      AZOST; EGST; GMT; UTC; WET"},  // 15
    {1.0, "UTC+01   ", "UTC+01      CET; DFT; IST; MET; WAT; WEST"},  // 16
    {2.0, "UTC+02   ", "UTC+02      CAT; CEST; EET; HAEC; IST; KALT; MEST; SAST; WAST"},  // 17
    {3.0, "UTC+03   ", "UTC+03      AST; EAT; EEST; FET; IDT; IOT; MSK; SYOT; TRT"},  // 18
    {3.5, "UTC+03:30", "UTC+03:30   IRST"},  // 19
    {4.0, "UTC+04   ", "UTC+04      AMT; AZT; GET; GST; MUT; RET; SAMT; SCT; VOLT"},  // 20
    {4.5, "UTC+04:30", "UTC+04:30   AFT; IRDT"},  // 21
    {5.0, "UTC+05   ", "UTC+05      HMT; MAWT; MVT; ORAT; PKT; TFT; TJT; TMT; UZT; YEKT"},  // 22
    {5.5, "UTC+05:30", "UTC+05:30   IST; SLST"},  // 23
    {5.75, "UTC+05:45", "UTC+05:45   NPT"},  // 24
    {6.0, "UTC+06   ", "UTC+06      BIOT; BST; BTT; KGT; OMST; VOST"},  // 25
    {6.5, "UTC+06:30", "UTC+06:30   CCT; MMT"},  // 26
    {7.0, "UTC+07   ", "UTC+07      CXT; DAVT; HOVT; ICT; KRAT; THA; WIT"},  // 27
    {8.0, "UTC+08   ", "UTC+08      AWST; BDT; CHOT; CIT; CST; CT; HKT; HOVST; IRKT; MST; MYT; PHT; PST; SGT; SST; ULAT; WST"},  // 28
    {8.75, "UTC+08:45", "UTC+08:45   ACWST; CWST"},  // 29
    {9.0, "UTC+09   ", "UTC+09      CHOST; EIT; JST; KST; TLT; ULAST; YAKT"},  // 30
    {9.5, "UTC+09:30", "UTC+09:30   ACST"},  // 31
    {10.0, "UTC+10   ", "UTC+10      AEST; CHST; CHUT; DDUT; PGT; VLAT"},  // 32
    {10.5, "UTC+10:30", "UTC+10:30   ACDT; LHST"},  // 33
    {11.0, "UTC+11   ", "UTC+11      AEDT; BST; KOST; LHST; MIST; NCT; NFT; PONT; SAKT; SBT; SRET; VUT"},  // 34
    {12.0, "UTC+12   ", "UTC+12      FJT; GILT; MAGT; MHT; NZST; PETT; TVT; WAKT"},  // 35
    {12.75, "UTC+12:45", "UTC+12:45   CHAST"},  // 36
    {13.0, "UTC+13   ", "UTC+13      NZDT; PHOT; TKT; TOT"},  // 37
    {13.75, "UTC+13:45", "UTC+13:45   CHADT"},  // 38
    {14.0, "UTC+14   ", "UTC+14      LINT"},  // 39
}}};

}  // namespace BuiltIn
