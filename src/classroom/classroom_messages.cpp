#include "classroom/classroom_messages.h"

#include "platform/cp1250.h"

namespace quillan::classroom {

std::string LoginConnectionErrorMessage(std::string_view errorText) {
    return Utf8ToCp1250("Błąd podczas próby połączenia z serwerem. (id: ") + std::string(errorText) +
           Utf8ToCp1250("). Skontaktuj sie z administratorem.");
}

std::string WrongCredentialsMessage() {
    return Utf8ToCp1250("Próba logowania zakończyła się niepowodzeniem (podano błędny login i/lub password).\n"
                        "Skontaktuj sie z administratorem.");
}

std::string NoAccessMessage() {
    return Utf8ToCp1250("Nie masz dostępu do tego programu.\nSkontaktuj sie z administratorem.");
}

std::string NoLocalResultsMessage() {
    return Utf8ToCp1250("Na komputerze klienta nie znaleziono struktury CW_Info");
}

std::string UploadErrorMessage(std::string_view errorText) {
    return Utf8ToCp1250("Bład serwera podczas przysyłania CW_Info. Błąd:") + std::string(errorText);
}

std::string DownloadErrorMessage() {
    return Utf8ToCp1250("Bład! Mozliwe przyczyny\n- serwer nie odpowiedzial na zadanie pobrania CwInfo\n"
                        "- blad podczas zapisu CwInfo na komputerze klienta...\nSkontaktuj sie z administratorem.");
}

std::string UserRecordErrorMessage() {
    return Utf8ToCp1250("Bład! Mozliwe przyczyny\n- serwer nie odpowiedzial na zadanie pobrania danych uzytkownika\n"
                        "Skontaktuj sie z administratorem.");
}

std::string LessonsErrorMessage() {
    return Utf8ToCp1250("Bład! Mozliwe przyczyny\n- serwer nie odpowiedzial na zadanie pobrania Lekcji\n"
                        "- blad podczas zapisu Lekcji na komputerze klienta...\nSkontaktuj sie z administratorem.");
}

std::string RecordNotAcceptedMessage() { return Utf8ToCp1250("Wysłanie rekordu CW_Info nie powiodło się."); }

std::string RecordErrorMessage(std::string_view errorText) {
    return Utf8ToCp1250("Błąd serwera: ") + std::string(errorText) +
           Utf8ToCp1250(" - skontaktuj się z administratorem");
}

std::string PasswordChangedMessage() { return Utf8ToCp1250("Hasło zostało zmienione!"); }

std::string PasswordNotChangedMessage() {
    return Utf8ToCp1250("Bład - serwer odpowiedzial \"FALSE\" po otrzymaniu zadania zmiany hasla!\n\n"
                        "Mozliwe przyczyny:\n\n- zle podany user i/lub password\n\n- bark komunikacji z serverem.");
}

std::string PasswordChangeErrorMessage() { return Utf8ToCp1250("Bład!!!"); }

std::string NoUserNameMessage() { return Utf8ToCp1250("Nie podano nazwy użytkownika!"); }
std::string NoPasswordMessage() { return Utf8ToCp1250("Nie podano hasła!"); }
std::string NoNewPasswordMessage() { return Utf8ToCp1250("Nie podano nowego hasła!"); }
std::string NoRepeatedPasswordMessage() { return Utf8ToCp1250("Nie podano nie powtorzono nowego hasła!"); }
std::string PasswordsDifferMessage() { return Utf8ToCp1250("Źle powtórzono nowe hasło!"); }

std::string NoLessonsMessage() {
    return Utf8ToCp1250("Nie ma żadnych przygotowanych lekcji, nie masz mozliwosci korzystania z wersji lokalnej "
                        "lub pracy na calym materiale!");
}

std::string ForgottenLoginMessage() {
    return Utf8ToCp1250("Jeśli zapomniałeś swojej nazwy użytkownika lub hasło, to zwróć się do administratora "
                        "lub nauczyciela.");
}

}  // namespace quillan::classroom
