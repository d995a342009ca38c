// The handlers of typed input and the step buttons. Their
// work is still to be written: until then they run nothing.
#include "ui/Tarvelsicht_Unit_Main.h"

void TForm_Main::RichEdit_JahrKeyDown(QObject*, int&, Qt::KeyboardModifiers) {}
void TForm_Main::RichEdit_MonatKeyDown(QObject*, int&, Qt::KeyboardModifiers) {}
void TForm_Main::RichEdit_DaagKeyDown(QObject*, int&, Qt::KeyboardModifiers) {}
void TForm_Main::RichEdit_StundeKeyDown(QObject*, int&, Qt::KeyboardModifiers) {}
void TForm_Main::RichEdit_MinuteKeyDown(QObject*, int&, Qt::KeyboardModifiers) {}
void TForm_Main::RichEdit_SekundeKeyDown(QObject*, int&, Qt::KeyboardModifiers) {}
void TForm_Main::Edit_nLatKeyDown(QObject*, int&, Qt::KeyboardModifiers) {}
void TForm_Main::Edit_eLonKeyDown(QObject*, int&, Qt::KeyboardModifiers) {}

void TForm_Main::BitBtn_Jahr_PlusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Jahr_PlusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Jahr_MinusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Jahr_MinusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Monat_PlusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Monat_PlusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Monat_MinusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Monat_MinusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Daag_PlusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Daag_PlusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Daag_MinusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Daag_MinusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Stunde_PlusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Stunde_PlusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Stunde_MinusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Stunde_MinusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Minute_PlusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Minute_PlusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Minute_MinusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Minute_MinusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Sekunde_PlusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Sekunde_PlusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Sekunde_MinusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Sekunde_MinusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Sterntag_PlusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Sterntag_PlusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Sterntag_MinusMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_Sterntag_MinusMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_nLat_MinusSmallMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_nLat_MinusSmallMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_nLat_PlusSmallMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_nLat_PlusSmallMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_eLon_MinusSmallMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_eLon_MinusSmallMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_eLon_PlusSmallMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm_Main::BitBtn_eLon_PlusSmallMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
