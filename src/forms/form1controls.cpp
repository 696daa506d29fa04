#include "forms/form1controls.h"

#include "formkit/controllookup.h"
#include "formkit/formlabel.h"
#include "formkit/mcicontrol.h"
#include "formkit/picturebox.h"

#include <QPushButton>
#include <QTimer>

Form1Controls Form1Controls::bind(const ControlLookup &lookup)
{
    return {
        .Command1 = lookup.get<QPushButton>("Command1"),
        .Command2 = lookup.get<QPushButton>("Command2"),
        .Command3 = lookup.get<QPushButton>("Command3"),
        .Command4 = lookup.get<QPushButton>("Command4"),
        .Command5 = lookup.get<QPushButton>("Command5"),
        .Command6 = lookup.get<QPushButton>("Command6"),
        .Label1 = lookup.get<FormLabel>("Label1"),
        .Label2 = lookup.get<FormLabel>("Label2"),
        .Label3 = lookup.get<FormLabel>("Label3"),
        .Label4 = lookup.get<FormLabel>("Label4"),
        .Label5 = lookup.get<FormLabel>("Label5"),
        .Label6 = lookup.get<FormLabel>("Label6"),
        .Label7 = lookup.get<FormLabel>("Label7"),
        .Label8 = lookup.get<FormLabel>("Label8"),
        .Label9 = lookup.get<FormLabel>("Label9"),
        .Label10 = lookup.get<FormLabel>("Label10"),
        .Label11 = lookup.get<FormLabel>("Label11"),
        .Label12 = lookup.get<FormLabel>("Label12"),
        .Label13 = lookup.get<FormLabel>("Label13"),
        .Label14 = lookup.get<FormLabel>("Label14"),
        .Label15 = lookup.get<FormLabel>("Label15"),
        .Picture1 = lookup.get<PictureBox>("Picture1"),
        .Timer1 = lookup.get<QTimer>("Timer1"),
        .MMControl1 = lookup.get<MciControl>("MMControl1"),
        .Line1 = lookup.get<QFrame>("Line1"),
    };
}

ExperimentControls Form1Controls::experiment() const
{
    return {
        .Label2 = Label2,
        .Label4 = Label4,
        .Label5 = Label5,
        .Label9 = Label9,
        .Label11 = Label11,
        .Label13 = Label13,
        .Label15 = Label15,
        .Picture1 = Picture1,
        .MMControl1 = MMControl1,
    };
}
