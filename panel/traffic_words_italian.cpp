#include "panel/traffic_words_italian.h"

const TrafficWords& ItalianTrafficWords() {
    static const TrafficWords kWords{
        .directions = {"inviato", "ricevuto", "scartato", "scaduto", "non inviato", "errore"},
        .layout = "Schermo: applica formato",
        .locate = "Riga %d: posiziona",
        .text = "Riga %d: testo (%d caratteri)",
        .textNoRow = "Testo (%d caratteri)",
        .analog = "Lettura ingresso analogico",
        .hello = "Hello",
        .temperature1 = "Lettura temperatura (1/2)",
        .temperature2 = "Lettura temperatura (2/2)",
        .ledOn = "LED %d acceso",
        .ledOff = "LED %d spento",
        .buzzerOn = "Cicalino acceso",
        .buzzerOff = "Cicalino spento",
        .unknown = "comando sconosciuto",
        .replyAfter = "risposta dopo %d ms",
        .helloReply = "risposta: %d byte in %d ms",
        .noReply = "nessuna risposta entro %d ms",
        .partial = "risposta incompleta: %d di %d byte",
        .discarded = "scartati %d byte",
        .writeFailed = "%s: scrittura non riuscita (%d di %d byte inviati)",
        .portGone = " (porta scollegata)",
        .steps = {"apertura della porta", "lettura delle impostazioni della porta",
                  "impostazione della porta", "scrittura"},
        .openErrors = {"", ": porta inesistente", ": porta occupata da un altro programma", ": accesso negato",
                       ": non è una porta seriale", ": errore del sistema"},
        .openFailed = "Connessione non riuscita: %s%s",
    };
    return kWords;
}
