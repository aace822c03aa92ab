#pragma once

#include <cstdio>
#include <string>

#include "context/startup_state.h"
#include "support/temp_dir.h"

namespace quillan::test {

// A small installation with one entry in every table (the catalog has two).
class Installation {
public:
    Installation() {
        state.ProgramDir = dir.Path();
        state.LearnerDataDir = dir.Path();
        Write("pr55.ini", "[Quillan]\nMD=media\\\n");
        Write("prof_r.txt", "Quillan - Business English\n1\n0\n");
        Write("Lang_r/0/infa_r.txt", "1=a=Witaj=\n");
        Write("Lang_r/0/nazwy_r.txt", "S0001=S\xB3owa\n");
        Write("Lang_r/0/gra.txt", "1=x=Powitania=D01=\n");
        Write("Lang_r/1/infa_r.txt", "1=a=Welcome=\n2=b=Two=\n");
        Write("Lang_r/1/nazwy_r.txt", "S0001=Words\n");
        Write("Lang_r/1/gra.txt", "1=x=Greetings=D01=\n");
        Write("ss_r.t", " I am= I'm=\n");
        Write("rozumienie_a.txt", "/ texts\n12=1=1=Meeting=\n");
        Write("zda_rozum.txt", "1AB01xxxxxxxxxxxI am late.====s1.wav==Sp\xF3\x9Fniony.=\n");
        Write("kurs_cwicz.vrk", "AB01110101\na\nb\nc\n-\n");
        Write("kurs_cwicz2.vrk", "CD01530161\na\nb\nc\n-\n");
        Write("rozum_pig.txt", "k=s=p=e=a=b=c=\n");
        Write("kurs.zdn", "AB001 s=Text=\n");
        Write("kurs.zdd", "DD001 a <b c>=b=\n");
        Write("Listy_r/index.txt", "list1=1=2=3=\n");
        Write("slowniczek.txt", "3=Glossary text\n");
        Write("St_a.txt", "x#12#\nMC#q=a=T_b#\n0=\n");
        Write("otwarte.txt", "1=1=1=a=b=\n");
        Write("kom_c_gr.txt", "anything\n");
        Write("dialogi.txt", "D1=Title===1=1=TT===\na=1=A: Hi.=Cze\x9c\xe6.=\n*\n");
    }
    void Write(const std::string& file, const std::string& lf) const { dir.Write(file, test::Crlf(lf)); }
    void Remove(const std::string& file) const { std::remove((dir.Path() + file).c_str()); }

    test::TempDir dir;
    StartupState state;
};

}  // namespace quillan::test
